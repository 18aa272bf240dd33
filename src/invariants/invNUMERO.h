#pragma once

#include "invariants/VertexInvariant.h"

/// The column 1, 2, ..., n.
class invNUMERO : public VertexInvariant
{
public:
    explicit invNUMERO(bool graphical);
};
