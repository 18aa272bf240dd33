#pragma once

#include "invariants/VertexInvariant.h"

/// Marks the lexicographically smallest smallest dominating set.
class invINDOMINATION : public VertexInvariant
{
public:
    explicit invINDOMINATION(bool graphical);
};
