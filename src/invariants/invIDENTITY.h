#pragma once

#include "invariants/MatrixInvariant.h"

/// Identity matrix of order n.
class invIDENTITY : public MatrixInvariant
{
public:
    explicit invIDENTITY(bool graphical);
};
