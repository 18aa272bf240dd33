#pragma once

#include "invariants/ValueInvariant.h"

/// Number of triangles.
class invTRIANGLES : public ValueInvariant
{
public:
    explicit invTRIANGLES(bool graphical);
};
