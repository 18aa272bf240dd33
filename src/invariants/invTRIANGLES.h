#pragma once

#include "items/Invariant.h"

/// Number of triangles.
class invTRIANGLES : public Invariant
{
public:
    explicit invTRIANGLES(bool graphical);
    void recompute() override;
};
