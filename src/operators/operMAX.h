#pragma once

#include "operators/OperatorItem.h"

/// Largest entry of argument 1 (never below -1e12), a single value.
class operMAX : public OperatorItem
{
public:
    explicit operMAX(bool graphical);
    void recompute() override;
};
