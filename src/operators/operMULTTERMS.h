#pragma once

#include "operators/BroadcastOperator.h"

/// Product of two arguments, entry by entry, with broadcasting of a 1 x 1 argument.
class operMULTTERMS : public BroadcastOperator
{
public:
    explicit operMULTTERMS(bool graphical);
};
