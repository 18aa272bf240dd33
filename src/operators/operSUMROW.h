#pragma once

#include "operators/ReductionOperator.h"

/// Sum of each row of argument 1, a column vector.
class operSUMROW : public ReductionOperator
{
public:
    explicit operSUMROW(bool graphical);
};
