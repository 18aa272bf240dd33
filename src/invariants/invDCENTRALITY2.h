#pragma once

#include "invariants/BetweennessInvariant.h"

/// Betweenness centrality of each vertex, each pair weighted by 1/d^2.
class invDCENTRALITY2 : public BetweennessInvariant
{
public:
    explicit invDCENTRALITY2(bool graphical);
};
