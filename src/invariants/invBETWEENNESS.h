#pragma once

#include "invariants/BetweennessInvariant.h"

/// Edge betweenness of every edge.
class invBETWEENNESS : public BetweennessInvariant
{
public:
    explicit invBETWEENNESS(bool graphical);
};
