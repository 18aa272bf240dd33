#pragma once

#include "invariants/ValueInvariant.h"

/// Number of vertices of degree exactly 3 with pairwise non-adjacent neighbours.
class invCLAWS : public ValueInvariant
{
public:
    explicit invCLAWS(bool graphical);
};
