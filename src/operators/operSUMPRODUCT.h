#pragma once

#include "operators/EntrywiseMeasure.h"

/// Sum of the products of the matching entries of two values of the same shape.
class operSUMPRODUCT : public EntrywiseMeasure
{
public:
    explicit operSUMPRODUCT(bool graphical);
};
