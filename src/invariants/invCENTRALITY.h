#pragma once

#include "invariants/BetweennessInvariant.h"

/// Betweenness centrality of each vertex.
class invCENTRALITY : public BetweennessInvariant
{
public:
    explicit invCENTRALITY(bool graphical);
};
