#pragma once

#include "invariants/ValueInvariant.h"

/// First Zagreb index.
class invZAGREBM1 : public ValueInvariant
{
public:
    explicit invZAGREBM1(bool graphical);
};
