#pragma once

#include "operators/OperatorItem.h"

/// Argument 1 transposed.
class operTRANSPOSE : public OperatorItem
{
public:
    explicit operTRANSPOSE(bool graphical);
    void recompute() override;
};
