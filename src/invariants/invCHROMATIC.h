#pragma once

#include "invariants/InvariantItem.h"

/// Chromatic number; an error below two vertices.
class invCHROMATIC : public InvariantItem
{
public:
    explicit invCHROMATIC(bool graphical);
    void recompute() override;
};
