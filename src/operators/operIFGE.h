#pragma once

#include "operators/BroadcastOperator.h"

/// Entry by entry, argument 3 where argument 1 >= argument 2 - 1e-6, else argument 4, with
/// broadcasting of 1 x 1 arguments.
class operIFGE : public BroadcastOperator
{
public:
    explicit operIFGE(bool graphical);
};
