#pragma once

#include "operators/OperatorItem.h"

/// A vector becomes its diagonal matrix; a square matrix gives its diagonal as a column.
class operDIAG : public OperatorItem
{
public:
    explicit operDIAG(bool graphical);
    void recompute() override;
};
