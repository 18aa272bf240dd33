#pragma once

#include "invariants/ValueInvariant.h"

/// Chromatic number; an error below two vertices.
class invCHROMATIC : public ValueInvariant
{
public:
    explicit invCHROMATIC(bool graphical);
};
