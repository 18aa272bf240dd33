#pragma once

#include "invariants/MatrixInvariant.h"

/// Laplacian D - A.
class invLAPLACIAN : public MatrixInvariant
{
public:
    explicit invLAPLACIAN(bool graphical);
};
