#pragma once

#include "items/Invariant.h"

/// Smallest eccentricity.
class invRADIUS : public Invariant
{
public:
    explicit invRADIUS(bool graphical);
    void recompute() override;
};
