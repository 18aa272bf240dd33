#pragma once

#include "items/Invariant.h"

/// Colour 1..q of every vertex in a colouring with the fewest colours; an error below two vertices.
class invCHROMATICVAL : public Invariant
{
public:
    explicit invCHROMATICVAL(bool graphical);
    void recompute() override;
};
