#pragma once

#include "items/Invariant.h"

/// Largest distance from each vertex.
class invECCENTRICITY : public Invariant
{
public:
    explicit invECCENTRICITY(bool graphical);
    void recompute() override;
};
