#pragma once

#include "items/Invariant.h"

/// First Zagreb index.
class invZAGREBM1 : public Invariant
{
public:
    explicit invZAGREBM1(bool graphical);
    void recompute() override;
};
