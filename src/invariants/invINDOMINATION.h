#pragma once

#include "items/Invariant.h"

/// Marks the lexicographically smallest smallest dominating set.
class invINDOMINATION : public Invariant
{
public:
    explicit invINDOMINATION(bool graphical);
    void recompute() override;
};
