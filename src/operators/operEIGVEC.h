#pragma once

#include "operators/OperatorItem.h"

/// Unit eigenvectors of a square symmetric matrix as columns, in the order of its eigenvalues.
class operEIGVEC : public OperatorItem
{
public:
    explicit operEIGVEC(bool graphical);
    void recompute() override;
};
