#pragma once

#include "operators/EntrywiseMap.h"

/// Absolute value of every entry.
class operABS : public EntrywiseMap
{
public:
    explicit operABS(bool graphical);
};
