#pragma once

#include "invariants/VertexInvariant.h"

/// All-ones column of n entries.
class invONEVEC : public VertexInvariant
{
public:
    explicit invONEVEC(bool graphical);
};
