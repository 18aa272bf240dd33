#pragma once

#include "invariants/ValueInvariant.h"

/// Vertex connectivity; n - 1 for complete graphs, -1 without vertices.
class invNCONN : public ValueInvariant
{
public:
    explicit invNCONN(bool graphical);
};
