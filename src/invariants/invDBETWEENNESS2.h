#pragma once

#include "invariants/BetweennessInvariant.h"

/// Edge betweenness, each pair weighted by 1/d^2.
class invDBETWEENNESS2 : public BetweennessInvariant
{
public:
    explicit invDBETWEENNESS2(bool graphical);
};
