#pragma once

#include "invariants/VertexInvariant.h"

/// Information centrality of each vertex.
class invIINDEX : public VertexInvariant
{
public:
    explicit invIINDEX(bool graphical);
};
