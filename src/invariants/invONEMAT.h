#pragma once

#include "invariants/MatrixInvariant.h"

/// All-ones matrix of order n.
class invONEMAT : public MatrixInvariant
{
public:
    explicit invONEMAT(bool graphical);
};
