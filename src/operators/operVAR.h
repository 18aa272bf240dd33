#pragma once

#include "operators/ReductionOperator.h"

/// Population variance of all entries of argument 1.
class operVAR : public ReductionOperator
{
public:
    explicit operVAR(bool graphical);
};
