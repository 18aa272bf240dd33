#pragma once

#include "operators/ArithmeticKernels.h"
#include "operators/OperatorItem.h"

/// The items applying one map to every entry of argument 1 (required, not empty), in its shape
/// and with its symbolic dimensions.
class EntrywiseMap : public OperatorItem
{
public:
    void recompute() override;

protected:
    /// With refusesNegative, an entry below -1e-6 is "Negative argument".
    explicit EntrywiseMap(Map map, bool refusesNegative = false);

private:
    const Map map;
    const bool refusesNegative;
};
