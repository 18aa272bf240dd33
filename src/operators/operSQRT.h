#pragma once

#include "operators/EntrywiseMap.h"

/// Square root of every entry; an entry below -1e-6 is "Negative argument", one in [-1e-6, 0) gives
/// 0.
class operSQRT : public EntrywiseMap
{
public:
    explicit operSQRT(bool graphical);
};
