#pragma once

#include "items/Invariant.h"

/// Marks the lexicographically smallest largest stable set.
class invINSTABLEMAX : public Invariant
{
public:
    explicit invINSTABLEMAX(bool graphical);
    void recompute() override;
};
