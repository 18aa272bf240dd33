#pragma once

#include "operators/OperatorItem.h"

/// Sum of each row of argument 1, a column vector.
class operSUMROW : public OperatorItem
{
public:
    explicit operSUMROW(bool graphical);
    void recompute() override;
};
