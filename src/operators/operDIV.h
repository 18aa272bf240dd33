#pragma once

#include "operators/BroadcastOperator.h"

/// Argument 1 divided by argument 2, entry by entry, with broadcasting of a 1 x 1 argument; a
/// divisor of magnitude <= 1e-12 gives 1e12.
class operDIV : public BroadcastOperator
{
public:
    explicit operDIV(bool graphical);
};
