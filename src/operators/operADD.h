#pragma once

#include "operators/BroadcastOperator.h"

/// Sum of two arguments, entry by entry, with a 1 x 1 argument added to every entry.
class operADD : public BroadcastOperator
{
public:
    explicit operADD(bool graphical);
};
