#pragma once

#include "items/Invariant.h"

/// Vertex connectivity; n - 1 for complete graphs, -1 without vertices.
class invNCONN : public Invariant
{
public:
    explicit invNCONN(bool graphical);
    void recompute() override;
};
