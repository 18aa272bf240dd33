#pragma once

#include "operators/OperatorItem.h"

/// Correlation of a vertex vector over the two ends of every edge, both directions; 1.0 with
/// the error flag and no message when it has no spread there.
class operECORR : public OperatorItem
{
public:
    explicit operECORR(bool graphical);
    void recompute() override;
};
