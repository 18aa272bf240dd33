#pragma once

#include "items/Invariant.h"

/// Sum of the distances from each vertex to the pendant vertices.
class invSUMDISTP : public Invariant
{
public:
    explicit invSUMDISTP(bool graphical);
    void recompute() override;
};
