#pragma once

#include "operators/OperatorItem.h"

/// Number of different values of argument 1, values within 1e-6 of a first-met one counting
/// as that one.
class operNBVALUES : public OperatorItem
{
public:
    explicit operNBVALUES(bool graphical);
    void recompute() override;
};
