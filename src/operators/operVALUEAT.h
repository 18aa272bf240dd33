#pragma once

#include "operators/OperatorItem.h"

/// Entry (i, j) of argument 1, i and j the single values of arguments 2 and 3, from 1; with
/// argument 3 unlinked, entry i of a vector.
class operVALUEAT : public OperatorItem
{
public:
    explicit operVALUEAT(bool graphical);
    void recompute() override;
};
