#pragma once

#include "items/Invariant.h"

/// Shortest-path distance between every two vertices.
class invDISTANCE : public Invariant
{
public:
    explicit invDISTANCE(bool graphical);
    void recompute() override;
};
