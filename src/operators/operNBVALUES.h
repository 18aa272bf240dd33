#pragma once

#include "operators/ReductionOperator.h"

/// Number of different values of argument 1, values within 1e-6 of a first-met one counting
/// as that one.
class operNBVALUES : public ReductionOperator
{
public:
    explicit operNBVALUES(bool graphical);
};
