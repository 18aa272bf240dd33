#pragma once

#include "operators/OperatorItem.h"

/// Euclidean distance between two values of the same shape.
class operEUCLIDIANDIST : public OperatorItem
{
public:
    explicit operEUCLIDIANDIST(bool graphical);
    void recompute() override;
};
