#pragma once

#include "invariants/ValueInvariant.h"

/// Second Zagreb index.
class invZAGREBM2 : public ValueInvariant
{
public:
    explicit invZAGREBM2(bool graphical);
};
