#pragma once

#include "operators/OperatorItem.h"

/// The two-vector items built on the cosine of the angle between their arguments: two
/// required arguments, symbolic dimensions preset to "1" and kept on failure.
class CosineOperator : public OperatorItem
{
protected:
    CosineOperator();
    /// Checks both arguments (a vector, then the same shape), saves the success label (and
    /// with `labelAtOnce` shows it as the tool tip at once, before the zero-norm test) and
    /// writes the cosine into entry (0, 0) of a 1 x 1 value; false after the error exit, when
    /// the entry keeps the 0 of a norm product below 1e-6.
    bool computeCosine(double &cosine, bool labelAtOnce = false);
};
