#pragma once

#include "items/Invariant.h"

/// Stability number.
class invSTABLEMAX : public Invariant
{
public:
    explicit invSTABLEMAX(bool graphical);
    void recompute() override;
};
