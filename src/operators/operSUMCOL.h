#pragma once

#include "operators/OperatorItem.h"

/// Sum of each column of argument 1, a row vector.
class operSUMCOL : public OperatorItem
{
public:
    explicit operSUMCOL(bool graphical);
    void recompute() override;
};
