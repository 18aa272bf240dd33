#pragma once

#include "items/Invariant.h"

/// Betweenness centrality of each vertex, each pair weighted by 1/d.
class invDCENTRALITY : public Invariant
{
public:
    explicit invDCENTRALITY(bool graphical);
    void recompute() override;
};
