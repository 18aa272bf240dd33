#pragma once

#include "items/Invariant.h"

/// Normalised Laplacian I - D^-1/2 A D^-1/2, diagonal 1 for every vertex.
class invNLAPLACIAN : public Invariant
{
public:
    explicit invNLAPLACIAN(bool graphical);
    void recompute() override;
};
