#pragma once

#include "operators/OperatorItem.h"

/// Largest entry of each row of argument 1, a column vector.
class operMAXROW : public OperatorItem
{
public:
    explicit operMAXROW(bool graphical);
    void recompute() override;
};
