#pragma once

#include "items/Invariant.h"

/// Identity matrix of order n.
class invIDENTITY : public Invariant
{
public:
    explicit invIDENTITY(bool graphical);
    void recompute() override;
};
