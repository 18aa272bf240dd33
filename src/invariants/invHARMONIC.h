#pragma once

#include "items/Invariant.h"

/// Sum of the inverse distances from each vertex.
class invHARMONIC : public Invariant
{
public:
    explicit invHARMONIC(bool graphical);
    void recompute() override;
};
