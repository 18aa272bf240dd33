#pragma once

#include "invariants/VertexInvariant.h"

/// Colour 1..q of every vertex in a colouring with the fewest colours; an error below two vertices.
class invCHROMATICVAL : public VertexInvariant
{
public:
    explicit invCHROMATICVAL(bool graphical);
};
