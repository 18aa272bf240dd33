#pragma once

#include "invariants/VertexInvariant.h"

/// Marks the lexicographically smallest largest stable set.
class invINSTABLEMAX : public VertexInvariant
{
public:
    explicit invINSTABLEMAX(bool graphical);
};
