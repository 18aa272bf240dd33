#pragma once

#include "invariants/ValueInvariant.h"

/// Platt index.
class invPLATT : public ValueInvariant
{
public:
    explicit invPLATT(bool graphical);
};
