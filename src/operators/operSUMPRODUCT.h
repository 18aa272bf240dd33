#pragma once

#include "operators/OperatorItem.h"

/// Sum of the products of the matching entries of two values of the same shape.
class operSUMPRODUCT : public OperatorItem
{
public:
    explicit operSUMPRODUCT(bool graphical);
    void recompute() override;
};
