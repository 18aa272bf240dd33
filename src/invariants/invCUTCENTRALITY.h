#pragma once

#include "invariants/VertexInvariant.h"

/// Number of pairs that each vertex separates.
class invCUTCENTRALITY : public VertexInvariant
{
public:
    explicit invCUTCENTRALITY(bool graphical);
};
