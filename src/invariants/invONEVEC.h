#pragma once

#include "items/Invariant.h"

/// All-ones column of n entries.
class invONEVEC : public Invariant
{
public:
    explicit invONEVEC(bool graphical);
    void recompute() override;
};
