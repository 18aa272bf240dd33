#pragma once

#include "invariants/MatrixInvariant.h"

/// Signless Laplacian D + A.
class invSLLAPLACIAN : public MatrixInvariant
{
public:
    explicit invSLLAPLACIAN(bool graphical);
};
