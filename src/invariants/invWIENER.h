#pragma once

#include "invariants/ValueInvariant.h"

/// Sum of the distances over all pairs of vertices.
class invWIENER : public ValueInvariant
{
public:
    explicit invWIENER(bool graphical);
};
