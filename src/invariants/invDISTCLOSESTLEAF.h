#pragma once

#include "items/Invariant.h"

/// Distance from each vertex to its closest pendant vertex.
class invDISTCLOSESTLEAF : public Invariant
{
public:
    explicit invDISTCLOSESTLEAF(bool graphical);
    void recompute() override;
};
