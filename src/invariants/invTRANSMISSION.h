#pragma once

#include "invariants/VertexInvariant.h"

/// Sum of the distances from each vertex.
class invTRANSMISSION : public VertexInvariant
{
public:
    explicit invTRANSMISSION(bool graphical);
};
