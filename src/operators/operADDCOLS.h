#pragma once

#include "operators/OperatorItem.h"

/// Argument 1 with the columns of argument 2 appended: same rows, at most 32 columns in all.
class operADDCOLS : public OperatorItem
{
public:
    explicit operADDCOLS(bool graphical);
    void recompute() override;
};
