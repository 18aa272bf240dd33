#pragma once

#include "items/Invariant.h"

/// Degree of every vertex, as a column.
class invDEGREES : public Invariant
{
public:
    explicit invDEGREES(bool graphical);
    void recompute() override;
};
