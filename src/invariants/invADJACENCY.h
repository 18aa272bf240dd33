#pragma once

#include "invariants/MatrixInvariant.h"

/// Adjacency matrix A.
class invADJACENCY : public MatrixInvariant
{
public:
    explicit invADJACENCY(bool graphical);
};
