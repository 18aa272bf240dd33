#pragma once

#include "items/Invariant.h"

/// Sum of the distances from each vertex.
class invTRANSMISSION : public Invariant
{
public:
    explicit invTRANSMISSION(bool graphical);
    void recompute() override;
};
