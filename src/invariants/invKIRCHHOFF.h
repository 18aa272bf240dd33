#pragma once

#include "items/Invariant.h"

/// Kirchhoff index from the Laplacian eigenvalues; an error below three vertices or when
/// disconnected.
class invKIRCHHOFF : public Invariant
{
public:
    explicit invKIRCHHOFF(bool graphical);
    void recompute() override;
};
