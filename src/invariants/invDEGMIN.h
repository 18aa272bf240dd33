#pragma once

#include "invariants/ValueInvariant.h"

/// Smallest vertex degree.
class invDEGMIN : public ValueInvariant
{
public:
    explicit invDEGMIN(bool graphical);
};
