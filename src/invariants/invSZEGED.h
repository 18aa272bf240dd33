#pragma once

#include "invariants/ValueInvariant.h"

/// Szeged index.
class invSZEGED : public ValueInvariant
{
public:
    explicit invSZEGED(bool graphical);
};
