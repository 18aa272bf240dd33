#pragma once

#include "invariants/VertexInvariant.h"

/// Sum of the distances from each vertex to the pendant vertices.
class invSUMDISTP : public VertexInvariant
{
public:
    explicit invSUMDISTP(bool graphical);
};
