#pragma once

#include "operators/OperatorItem.h"

/// The entries of a vector in non-increasing order, in its shape.
class operSORT : public OperatorItem
{
public:
    explicit operSORT(bool graphical);
    void recompute() override;
};
