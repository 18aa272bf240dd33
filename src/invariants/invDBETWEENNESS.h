#pragma once

#include "items/Invariant.h"

/// Edge betweenness, each pair weighted by 1/d.
class invDBETWEENNESS : public Invariant
{
public:
    explicit invDBETWEENNESS(bool graphical);
    void recompute() override;
};
