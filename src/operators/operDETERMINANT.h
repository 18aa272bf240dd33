#pragma once

#include "operators/SymmetricMatrixOperator.h"

/// Determinant of a square symmetric matrix: the product of its eigenvalues under the 1e-6 zero
/// rule.
class operDETERMINANT : public SymmetricMatrixOperator
{
public:
    explicit operDETERMINANT(bool graphical);
    void recompute() override;
};
