#pragma once

#include "invariants/ValueInvariant.h"

/// Number of vertices of degree 1.
class invPENDING : public ValueInvariant
{
public:
    explicit invPENDING(bool graphical);
};
