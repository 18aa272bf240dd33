#pragma once

#include "operators/OperatorItem.h"

/// Sum of the entries of argument 1 that reach the first entry of argument 2 (default 0)
/// within 1e-6.
class operSUMGE : public OperatorItem
{
public:
    explicit operSUMGE(bool graphical);
    void recompute() override;
};
