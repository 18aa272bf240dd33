#pragma once

#include "operators/SymmetricMatrixOperator.h"

/// Unit eigenvectors of a square symmetric matrix as columns, in the order of its eigenvalues.
class operEIGVEC : public SymmetricMatrixOperator
{
public:
    explicit operEIGVEC(bool graphical);
    void recompute() override;
};
