#pragma once

#include "invariants/ValueInvariant.h"

/// Number of complete subgraphs on four vertices.
class invK4 : public ValueInvariant
{
public:
    explicit invK4(bool graphical);
};
