#pragma once

#include "operators/OperatorItem.h"

/// For each entry of argument 2 (default the single value 0), the number of entries of
/// argument 1 within the first entry of argument 3 (default 1e-6) of it.
class operNBEQ : public OperatorItem
{
public:
    explicit operNBEQ(bool graphical);
    void recompute() override;
};
