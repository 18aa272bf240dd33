#pragma once

#include "operators/EntrywiseMap.h"

/// Exponential of every entry, at most 1e12.
class operEXP : public EntrywiseMap
{
public:
    explicit operEXP(bool graphical);
};
