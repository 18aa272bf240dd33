#pragma once

#include "operators/ReductionOperator.h"

/// Largest entry of each row of argument 1, a column vector.
class operMAXROW : public ReductionOperator
{
public:
    explicit operMAXROW(bool graphical);
};
