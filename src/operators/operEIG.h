#pragma once

#include "operators/OperatorItem.h"

/// Eigenvalues of a square symmetric matrix, non-increasing, as a column.
class operEIG : public OperatorItem
{
public:
    explicit operEIG(bool graphical);
    void recompute() override;
};
