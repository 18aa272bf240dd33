#pragma once

#include "operators/ReductionOperator.h"

/// Largest entry of argument 1 (never below -1e12), a single value.
class operMAX : public ReductionOperator
{
public:
    explicit operMAX(bool graphical);
};
