#pragma once

#include "items/Invariant.h"

/// Number of vertices of degree 1.
class invPENDING : public Invariant
{
public:
    explicit invPENDING(bool graphical);
    void recompute() override;
};
