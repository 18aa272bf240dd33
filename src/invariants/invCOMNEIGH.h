#pragma once

#include "items/Invariant.h"

/// Common neighbours of every pair; zero diagonal.
class invCOMNEIGH : public Invariant
{
public:
    explicit invCOMNEIGH(bool graphical);
    void recompute() override;
};
