#pragma once

#include "items/Invariant.h"

/// Edge betweenness of every edge.
class invBETWEENNESS : public Invariant
{
public:
    explicit invBETWEENNESS(bool graphical);
    void recompute() override;
};
