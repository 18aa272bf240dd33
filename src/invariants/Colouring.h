#pragma once

#include "graph/BitGraph.h"

/// Chromatic number (0 for n = 0) by the backtracking colouring search over the threshold order
/// (low-degree vertices last); colour[v] gets the colour 1..q of vertex v in the greedy colouring
/// or the search's last improvement of it, which uses every colour 1..q.
int chromaticColouring(const BitGraph &g, int colour[32]);

/// The threshold order the colouring search follows: order[0] is coloured first.
void thresholdOrder(const BitGraph &g, int order[32]);
