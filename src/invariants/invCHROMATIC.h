#pragma once

#include "items/Invariant.h"

/// Chromatic number; an error below two vertices.
class invCHROMATIC : public Invariant
{
public:
    explicit invCHROMATIC(bool graphical);
    void recompute() override;
};
