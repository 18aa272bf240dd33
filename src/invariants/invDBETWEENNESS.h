#pragma once

#include "invariants/BetweennessInvariant.h"

/// Edge betweenness, each pair weighted by 1/d.
class invDBETWEENNESS : public BetweennessInvariant
{
public:
    explicit invDBETWEENNESS(bool graphical);
};
