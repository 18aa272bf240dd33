#pragma once

#include "invariants/VertexInvariant.h"

/// Distance from each vertex to its closest pendant vertex.
class invDISTCLOSESTLEAF : public VertexInvariant
{
public:
    explicit invDISTCLOSESTLEAF(bool graphical);
};
