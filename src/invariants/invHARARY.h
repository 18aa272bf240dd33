#pragma once

#include "invariants/ValueInvariant.h"

/// Sum of the inverse distances over all pairs of vertices.
class invHARARY : public ValueInvariant
{
public:
    explicit invHARARY(bool graphical);
};
