#pragma once

#include "operators/PickEntry.h"

/// Second entry of argument 1, read row by row; "Not enough values" below two entries.
class operSECOND : public PickEntry
{
public:
    explicit operSECOND(bool graphical);
};
