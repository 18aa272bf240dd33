#pragma once

#include "items/Invariant.h"

/// Balaban index.
class invBALABAN : public Invariant
{
public:
    explicit invBALABAN(bool graphical);
    void recompute() override;
};
