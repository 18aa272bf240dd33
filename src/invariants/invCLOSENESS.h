#pragma once

#include "items/Invariant.h"

/// Closeness of each vertex, (n - 1) over its transmission.
class invCLOSENESS : public Invariant
{
public:
    explicit invCLOSENESS(bool graphical);
    void recompute() override;
};
