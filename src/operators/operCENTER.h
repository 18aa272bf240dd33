#pragma once

#include "operators/OperatorItem.h"

/// Every entry of argument 1 minus the mean of all its entries.
class operCENTER : public OperatorItem
{
public:
    explicit operCENTER(bool graphical);
    void recompute() override;
};
