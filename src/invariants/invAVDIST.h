#pragma once

#include "invariants/InvariantItem.h"

/// Wiener index over the number of pairs of vertices.
class invAVDIST : public InvariantItem
{
public:
    explicit invAVDIST(bool graphical);
    void recompute() override;
};
