#pragma once

#include "invariants/BetweennessInvariant.h"

/// Edge betweenness divided by the number of pairs of vertices.
class invNBETWEENNESS : public BetweennessInvariant
{
public:
    explicit invNBETWEENNESS(bool graphical);
};
