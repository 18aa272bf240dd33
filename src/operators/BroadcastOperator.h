#pragma once

#include "operators/ArithmeticKernels.h"
#include "operators/OperatorItem.h"

/// The items combining their arguments (all required) entry by entry: arguments of one shape
/// meet entry for entry, a 1 x 1 argument meets every entry, any other shape is "Format error".
/// The first argument that is not 1 x 1 sets the shape and the symbolic dimensions; when every
/// argument is 1 x 1 the result is a single value, "1" x "1".
class BroadcastOperator : public OperatorItem
{
public:
    void recompute() override;

protected:
    BroadcastOperator(int argumentCount, Combine combine);

private:
    const Combine combine;
};
