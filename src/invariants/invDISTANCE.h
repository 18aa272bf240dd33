#pragma once

#include "invariants/MatrixInvariant.h"

/// Shortest-path distance between every two vertices.
class invDISTANCE : public MatrixInvariant
{
public:
    explicit invDISTANCE(bool graphical);
};
