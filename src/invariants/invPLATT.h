#pragma once

#include "items/Invariant.h"

/// Platt index.
class invPLATT : public Invariant
{
public:
    explicit invPLATT(bool graphical);
    void recompute() override;
};
