#pragma once

#include "operators/OperatorItem.h"

/// Lower Cholesky factor L (A = L L^T, zeros above the diagonal) of a symmetric positive definite
/// matrix.
class operCHOLESKY : public OperatorItem
{
public:
    explicit operCHOLESKY(bool graphical);
    void recompute() override;
};
