#pragma once

#include "items/Invariant.h"

/// Wiener index over the number of pairs of vertices.
class invAVDIST : public Invariant
{
public:
    explicit invAVDIST(bool graphical);
    void recompute() override;
};
