#pragma once

#include "invariants/ValueInvariant.h"

/// Balaban index.
class invBALABAN : public ValueInvariant
{
public:
    explicit invBALABAN(bool graphical);
};
