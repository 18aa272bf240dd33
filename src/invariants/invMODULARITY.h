#pragma once

#include "items/Invariant.h"

/// Modularity matrix A - d d^T / 2m; all zero without edges.
class invMODULARITY : public Invariant
{
public:
    explicit invMODULARITY(bool graphical);
    void recompute() override;
};
