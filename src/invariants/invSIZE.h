#pragma once

#include "items/Invariant.h"

/// Size of the graph: its number of edges.
class invSIZE : public Invariant
{
public:
    explicit invSIZE(bool graphical);
    void recompute() override;
};
