#pragma once

#include "operators/BroadcastOperator.h"

/// Smaller of two arguments, entry by entry, with broadcasting of a 1 x 1 argument.
class operMMIN : public BroadcastOperator
{
public:
    explicit operMMIN(bool graphical);
};
