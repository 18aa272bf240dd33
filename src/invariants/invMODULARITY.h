#pragma once

#include "invariants/MatrixInvariant.h"

/// Modularity matrix A - d d^T / 2m; all zero without edges.
class invMODULARITY : public MatrixInvariant
{
public:
    explicit invMODULARITY(bool graphical);
};
