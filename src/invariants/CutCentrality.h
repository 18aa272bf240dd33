#pragma once

#include "graph/BitGraph.h"

/// Number of pairs s < t, s, t != u, joined by a path in g but not in g - u.
void cutCentrality(const BitGraph &g, double out[]);
