#pragma once

#include "invariants/ValueInvariant.h"

/// Largest vertex degree.
class invDEGMAX : public ValueInvariant
{
public:
    explicit invDEGMAX(bool graphical);
};
