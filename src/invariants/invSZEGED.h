#pragma once

#include "items/Invariant.h"

/// Szeged index.
class invSZEGED : public Invariant
{
public:
    explicit invSZEGED(bool graphical);
    void recompute() override;
};
