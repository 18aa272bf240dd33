#pragma once

#include "invariants/MatrixInvariant.h"

/// Common neighbours of every pair; zero diagonal.
class invCOMNEIGH : public MatrixInvariant
{
public:
    explicit invCOMNEIGH(bool graphical);
};
