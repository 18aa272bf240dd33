#pragma once

#include "items/Invariant.h"

/// Order of the graph: its number of vertices.
class invORDER : public Invariant
{
public:
    explicit invORDER(bool graphical);
    void recompute() override;
};
