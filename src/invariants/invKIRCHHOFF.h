#pragma once

#include "invariants/InvariantItem.h"

/// Kirchhoff index from the Laplacian eigenvalues; an error below three vertices or when
/// disconnected.
class invKIRCHHOFF : public InvariantItem
{
public:
    explicit invKIRCHHOFF(bool graphical);
    void recompute() override;
};
