#pragma once

#include "items/Invariant.h"

/// Marks the breadth-first tree from the vertex last pressed in the graph view; an error when that
/// root does not reach every vertex.
class invINPCC : public Invariant
{
public:
    explicit invINPCC(bool graphical);
    void recompute() override;
};
