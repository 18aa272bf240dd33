#pragma once

#include "operators/OperatorItem.h"

/// For every vertex u, the sum over the other vertices v of d(u, v) w(v), w being argument 1 when
/// it is a column of n entries and the degrees otherwise; a pair without path counts 1e12 and
/// sets the error flag, without message.
class operMOMENT : public OperatorItem
{
public:
    explicit operMOMENT(bool graphical);
    /// With argument 1 as the base pattern; without it the weights are the degrees, written
    /// MOMENT(G), or MOMENT(GBAR) on the complement.
    QString formula() override;
    void recompute() override;
};
