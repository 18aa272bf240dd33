#pragma once

#include "invariants/VertexInvariant.h"

/// Largest distance from each vertex.
class invECCENTRICITY : public VertexInvariant
{
public:
    explicit invECCENTRICITY(bool graphical);
};
