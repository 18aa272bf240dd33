#pragma once

#include "operators/CosineOperator.h"

/// Angle in radians, in [0, pi], between two vectors of the same shape, taken about zero.
class operANGLE : public CosineOperator
{
public:
    explicit operANGLE(bool graphical);
    void recompute() override;
};
