#pragma once

#include "operators/OperatorItem.h"

/// Laplacian D - M of a square symmetric matrix M, D holding the row sums of M.
class operLAPLACIANOF : public OperatorItem
{
public:
    explicit operLAPLACIANOF(bool graphical);
    void recompute() override;
};
