#pragma once

#include "operators/EntrywiseMeasure.h"

/// Sum of the absolute differences of two values of the same shape.
class operMANHATTANDIST : public EntrywiseMeasure
{
public:
    explicit operMANHATTANDIST(bool graphical);
};
