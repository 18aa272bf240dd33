#pragma once

#include "invariants/EdgeMarkInvariant.h"

/// Marks the breadth-first tree from the vertex last pressed in the graph view; an error when that
/// root does not reach every vertex.
class invINPCC : public EdgeMarkInvariant
{
public:
    explicit invINPCC(bool graphical);
};
