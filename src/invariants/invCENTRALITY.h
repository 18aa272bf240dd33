#pragma once

#include "items/Invariant.h"

/// Betweenness centrality of each vertex.
class invCENTRALITY : public Invariant
{
public:
    explicit invCENTRALITY(bool graphical);
    void recompute() override;
};
