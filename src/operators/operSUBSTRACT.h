#pragma once

#include "operators/BroadcastOperator.h"

/// Argument 1 minus argument 2, entry by entry, with broadcasting of a 1 x 1 argument.
class operSUBSTRACT : public BroadcastOperator
{
public:
    explicit operSUBSTRACT(bool graphical);
};
