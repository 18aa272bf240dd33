#pragma once

#include "operators/CosineOperator.h"

/// Cosine of the angle between two vectors of the same shape: their correlation taken about
/// zero, in [-1, 1].
class operCORR : public CosineOperator
{
public:
    explicit operCORR(bool graphical);
    void recompute() override;
};
