#pragma once

#include "invariants/VertexInvariant.h"

/// Degree of every vertex, as a column.
class invDEGREES : public VertexInvariant
{
public:
    explicit invDEGREES(bool graphical);
};
