#pragma once

#include "items/Invariant.h"

/// Largest vertex degree.
class invDEGMAX : public Invariant
{
public:
    explicit invDEGMAX(bool graphical);
    void recompute() override;
};
