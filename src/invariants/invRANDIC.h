#pragma once

#include "invariants/ValueInvariant.h"

/// Randic index.
class invRANDIC : public ValueInvariant
{
public:
    explicit invRANDIC(bool graphical);
};
