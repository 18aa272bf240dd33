#pragma once

#include "operators/ReductionOperator.h"

/// Smallest entry of argument 1 (never above 1e12), a single value.
class operMIN : public ReductionOperator
{
public:
    explicit operMIN(bool graphical);
};
