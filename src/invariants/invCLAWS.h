#pragma once

#include "items/Invariant.h"

/// Number of vertices of degree exactly 3 with pairwise non-adjacent neighbours.
class invCLAWS : public Invariant
{
public:
    explicit invCLAWS(bool graphical);
    void recompute() override;
};
