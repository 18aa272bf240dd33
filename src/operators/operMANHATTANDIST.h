#pragma once

#include "operators/OperatorItem.h"

/// Sum of the absolute differences of two values of the same shape.
class operMANHATTANDIST : public OperatorItem
{
public:
    explicit operMANHATTANDIST(bool graphical);
    void recompute() override;
};
