#pragma once

#include "items/Invariant.h"

/// Information centrality of each vertex.
class invIINDEX : public Invariant
{
public:
    explicit invIINDEX(bool graphical);
    void recompute() override;
};
