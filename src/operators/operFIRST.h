#pragma once

#include "operators/PickEntry.h"

/// First entry of argument 1, read row by row.
class operFIRST : public PickEntry
{
public:
    explicit operFIRST(bool graphical);
};
