#pragma once

#include "operators/SymmetricMatrixOperator.h"

/// Laplacian D - M of a square symmetric matrix M, D holding the row sums of M.
class operLAPLACIANOF : public SymmetricMatrixOperator
{
public:
    explicit operLAPLACIANOF(bool graphical);
    void recompute() override;
};
