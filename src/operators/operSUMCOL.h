#pragma once

#include "operators/ReductionOperator.h"

/// Sum of each column of argument 1, a row vector.
class operSUMCOL : public ReductionOperator
{
public:
    explicit operSUMCOL(bool graphical);
};
