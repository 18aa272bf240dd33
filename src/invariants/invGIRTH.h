#pragma once

#include "invariants/ValueInvariant.h"

/// Length of a shortest cycle.
class invGIRTH : public ValueInvariant
{
public:
    explicit invGIRTH(bool graphical);
};
