#pragma once

#include "items/Invariant.h"

/// Per vertex, the number of degree-1 vertices attached to it.
class invKCHERRIES : public Invariant
{
public:
    explicit invKCHERRIES(bool graphical);
    void recompute() override;
};
