#pragma once

#include "invariants/MatrixInvariant.h"

/// Normalised Laplacian I - D^-1/2 A D^-1/2, diagonal 1 for every vertex.
class invNLAPLACIAN : public MatrixInvariant
{
public:
    explicit invNLAPLACIAN(bool graphical);
};
