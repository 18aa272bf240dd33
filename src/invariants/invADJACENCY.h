#pragma once

#include "items/Invariant.h"

/// Adjacency matrix A.
class invADJACENCY : public Invariant
{
public:
    explicit invADJACENCY(bool graphical);
    void recompute() override;
};
