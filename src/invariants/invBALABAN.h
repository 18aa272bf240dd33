#pragma once

#include "invariants/InvariantItem.h"

/// Balaban index.
class invBALABAN : public InvariantItem
{
public:
    explicit invBALABAN(bool graphical);
    void recompute() override;
};
