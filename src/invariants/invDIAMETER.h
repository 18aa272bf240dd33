#pragma once

#include "invariants/ValueInvariant.h"

/// Largest distance between two vertices.
class invDIAMETER : public ValueInvariant
{
public:
    explicit invDIAMETER(bool graphical);
};
