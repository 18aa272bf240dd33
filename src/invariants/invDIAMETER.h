#pragma once

#include "items/Invariant.h"

/// Largest distance between two vertices.
class invDIAMETER : public Invariant
{
public:
    explicit invDIAMETER(bool graphical);
    void recompute() override;
};
