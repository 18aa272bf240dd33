#pragma once

#include "items/Invariant.h"

/// Signless Laplacian D + A.
class invSLLAPLACIAN : public Invariant
{
public:
    explicit invSLLAPLACIAN(bool graphical);
    void recompute() override;
};
