#pragma once

#include "operators/ReductionOperator.h"

/// Largest entry of each column of argument 1, a row vector.
class operMAXCOL : public ReductionOperator
{
public:
    explicit operMAXCOL(bool graphical);
};
