#pragma once

#include "operators/SymmetricMatrixOperator.h"

/// Lower Cholesky factor L (A = L L^T, zeros above the diagonal) of a symmetric positive definite
/// matrix.
class operCHOLESKY : public SymmetricMatrixOperator
{
public:
    explicit operCHOLESKY(bool graphical);
    void recompute() override;
};
