#pragma once

#include "operators/OperatorItem.h"

/// Largest entry of each column of argument 1, a row vector.
class operMAXCOL : public OperatorItem
{
public:
    explicit operMAXCOL(bool graphical);
    void recompute() override;
};
