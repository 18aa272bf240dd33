#pragma once

#include "operators/EntrywiseMap.h"

/// Every entry rounded down to a whole number.
class operFLOOR : public EntrywiseMap
{
public:
    explicit operFLOOR(bool graphical);
};
