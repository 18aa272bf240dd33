#pragma once

#include "operators/EntrywiseMeasure.h"

/// Euclidean distance between two values of the same shape.
class operEUCLIDIANDIST : public EntrywiseMeasure
{
public:
    explicit operEUCLIDIANDIST(bool graphical);
};
