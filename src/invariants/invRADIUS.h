#pragma once

#include "invariants/ValueInvariant.h"

/// Smallest eccentricity.
class invRADIUS : public ValueInvariant
{
public:
    explicit invRADIUS(bool graphical);
};
