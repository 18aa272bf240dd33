#pragma once

#include "items/Invariant.h"

/// Edge betweenness divided by the number of pairs of vertices.
class invNBETWEENNESS : public Invariant
{
public:
    explicit invNBETWEENNESS(bool graphical);
    void recompute() override;
};
