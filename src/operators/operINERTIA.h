#pragma once

#include "operators/SymmetricMatrixOperator.h"

/// Numbers of negative, zero (within 1e-6 inclusive) and positive eigenvalues of a square
/// symmetric matrix, as a row of three.
class operINERTIA : public SymmetricMatrixOperator
{
public:
    explicit operINERTIA(bool graphical);
    void recompute() override;
};
