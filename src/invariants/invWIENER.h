#pragma once

#include "items/Invariant.h"

/// Sum of the distances over all pairs of vertices.
class invWIENER : public Invariant
{
public:
    explicit invWIENER(bool graphical);
    void recompute() override;
};
