#pragma once

#include "items/Invariant.h"

/// Edge betweenness, each pair weighted by 1/d^2.
class invDBETWEENNESS2 : public Invariant
{
public:
    explicit invDBETWEENNESS2(bool graphical);
    void recompute() override;
};
