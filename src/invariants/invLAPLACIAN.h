#pragma once

#include "items/Invariant.h"

/// Laplacian D - A.
class invLAPLACIAN : public Invariant
{
public:
    explicit invLAPLACIAN(bool graphical);
    void recompute() override;
};
