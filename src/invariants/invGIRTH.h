#pragma once

#include "items/Invariant.h"

/// Length of a shortest cycle.
class invGIRTH : public Invariant
{
public:
    explicit invGIRTH(bool graphical);
    void recompute() override;
};
