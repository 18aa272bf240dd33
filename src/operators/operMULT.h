#pragma once

#include "operators/OperatorItem.h"

/// Matrix product of argument 1 by argument 2; a 1 x 1 argument on either side multiplies
/// every entry of the other.
class operMULT : public OperatorItem
{
public:
    explicit operMULT(bool graphical);
    void recompute() override;
};
