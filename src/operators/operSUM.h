#pragma once

#include "operators/OperatorItem.h"

/// Sum of all entries of argument 1, a single value.
class operSUM : public OperatorItem
{
public:
    explicit operSUM(bool graphical);
    void recompute() override;
};
