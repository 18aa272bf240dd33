#pragma once

#include "invariants/ValueInvariant.h"

/// Order of the graph: its number of vertices.
class invORDER : public ValueInvariant
{
public:
    explicit invORDER(bool graphical);
};
