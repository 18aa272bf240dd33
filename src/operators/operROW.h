#pragma once

#include "operators/LineSelection.h"

/// Row k of argument 1 as a row, k the single value of argument 2, from 1.
class operROW : public LineSelection
{
public:
    explicit operROW(bool graphical);
};
