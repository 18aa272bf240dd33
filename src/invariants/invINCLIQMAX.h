#pragma once

#include "invariants/VertexInvariant.h"

/// Marks the lexicographically smallest largest clique.
class invINCLIQMAX : public VertexInvariant
{
public:
    explicit invINCLIQMAX(bool graphical);
};
