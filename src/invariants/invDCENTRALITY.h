#pragma once

#include "invariants/BetweennessInvariant.h"

/// Betweenness centrality of each vertex, each pair weighted by 1/d.
class invDCENTRALITY : public BetweennessInvariant
{
public:
    explicit invDCENTRALITY(bool graphical);
};
