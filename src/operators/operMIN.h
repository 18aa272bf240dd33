#pragma once

#include "operators/OperatorItem.h"

/// Smallest entry of argument 1 (never above 1e12), a single value.
class operMIN : public OperatorItem
{
public:
    explicit operMIN(bool graphical);
    void recompute() override;
};
