#pragma once

#include "items/Invariant.h"

/// Domination number; 0 for a graph without vertices.
class invDOMINATION : public Invariant
{
public:
    explicit invDOMINATION(bool graphical);
    void recompute() override;
};
