#pragma once

#include "operators/BroadcastOperator.h"

/// Larger of two arguments, entry by entry, with broadcasting of a 1 x 1 argument.
class operMMAX : public BroadcastOperator
{
public:
    explicit operMMAX(bool graphical);
};
