#pragma once

#include "invariants/ValueInvariant.h"

/// Size of the graph: its number of edges.
class invSIZE : public ValueInvariant
{
public:
    explicit invSIZE(bool graphical);
};
