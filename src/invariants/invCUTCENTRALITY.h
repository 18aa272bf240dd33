#pragma once

#include "items/Invariant.h"

/// Number of pairs that each vertex separates.
class invCUTCENTRALITY : public Invariant
{
public:
    explicit invCUTCENTRALITY(bool graphical);
    void recompute() override;
};
