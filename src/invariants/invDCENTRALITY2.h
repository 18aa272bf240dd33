#pragma once

#include "items/Invariant.h"

/// Betweenness centrality of each vertex, each pair weighted by 1/d^2.
class invDCENTRALITY2 : public Invariant
{
public:
    explicit invDCENTRALITY2(bool graphical);
    void recompute() override;
};
