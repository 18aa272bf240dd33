#pragma once

#include "items/Invariant.h"

/// Sum of the inverse distances over all pairs of vertices.
class invHARARY : public Invariant
{
public:
    explicit invHARARY(bool graphical);
    void recompute() override;
};
