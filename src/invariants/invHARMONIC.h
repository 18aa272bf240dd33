#pragma once

#include "invariants/VertexInvariant.h"

/// Sum of the inverse distances from each vertex.
class invHARMONIC : public VertexInvariant
{
public:
    explicit invHARMONIC(bool graphical);
};
