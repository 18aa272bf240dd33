#pragma once

#include "operators/OperatorItem.h"

/// Population variance of all entries of argument 1.
class operVAR : public OperatorItem
{
public:
    explicit operVAR(bool graphical);
    void recompute() override;
};
