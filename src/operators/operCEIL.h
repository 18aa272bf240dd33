#pragma once

#include "operators/EntrywiseMap.h"

/// Every entry rounded up to a whole number.
class operCEIL : public EntrywiseMap
{
public:
    explicit operCEIL(bool graphical);
};
