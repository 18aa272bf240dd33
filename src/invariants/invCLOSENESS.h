#pragma once

#include "invariants/VertexInvariant.h"

/// Closeness of each vertex, (n - 1) over its transmission.
class invCLOSENESS : public VertexInvariant
{
public:
    explicit invCLOSENESS(bool graphical);
};
