#pragma once

#include "invariants/InvariantItem.h"

/// Colour 1..q of every vertex in a colouring with the fewest colours; an error below two vertices.
class invCHROMATICVAL : public InvariantItem
{
public:
    explicit invCHROMATICVAL(bool graphical);
    void recompute() override;
};
