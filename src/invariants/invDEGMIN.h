#pragma once

#include "items/Invariant.h"

/// Smallest vertex degree.
class invDEGMIN : public Invariant
{
public:
    explicit invDEGMIN(bool graphical);
    void recompute() override;
};
