#pragma once

#include "operators/SymmetricMatrixOperator.h"

/// Eigenvalues of a square symmetric matrix, non-increasing, as a column.
class operEIG : public SymmetricMatrixOperator
{
public:
    explicit operEIG(bool graphical);
    void recompute() override;
};
