#pragma once

#include "invariants/ValueInvariant.h"

/// Stability number.
class invSTABLEMAX : public ValueInvariant
{
public:
    explicit invSTABLEMAX(bool graphical);
};
