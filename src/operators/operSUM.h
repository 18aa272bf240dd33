#pragma once

#include "operators/ReductionOperator.h"

/// Sum of all entries of argument 1, a single value.
class operSUM : public ReductionOperator
{
public:
    explicit operSUM(bool graphical);
};
