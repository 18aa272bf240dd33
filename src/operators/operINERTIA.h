#pragma once

#include "operators/OperatorItem.h"

/// Numbers of negative, zero (within 1e-6 inclusive) and positive eigenvalues of a square
/// symmetric matrix, as a row of three.
class operINERTIA : public OperatorItem
{
public:
    explicit operINERTIA(bool graphical);
    void recompute() override;
};
