#pragma once

#include "items/Invariant.h"

/// All-ones matrix of order n.
class invONEMAT : public Invariant
{
public:
    explicit invONEMAT(bool graphical);
    void recompute() override;
};
