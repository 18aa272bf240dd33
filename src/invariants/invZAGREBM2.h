#pragma once

#include "items/Invariant.h"

/// Second Zagreb index.
class invZAGREBM2 : public Invariant
{
public:
    explicit invZAGREBM2(bool graphical);
    void recompute() override;
};
