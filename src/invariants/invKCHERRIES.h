#pragma once

#include "invariants/VertexInvariant.h"

/// Per vertex, the number of degree-1 vertices attached to it.
class invKCHERRIES : public VertexInvariant
{
public:
    explicit invKCHERRIES(bool graphical);
};
