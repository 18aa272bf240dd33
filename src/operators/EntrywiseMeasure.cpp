#include "operators/EntrywiseMeasure.h"

#include "operators/VectorComparisons.h"

EntrywiseMeasure::EntrywiseMeasure(Measure m) : OperatorItem(2, 2), measure(m)
{
    messages = &OperatorMessages::pairOfValues();
}

void EntrywiseMeasure::recompute()
{
    if (!checkArguments())
        return;
    const ValueBlock a = blockOf(arg1);
    const ValueBlock b = blockOf(arg2);
    if (!checkStatus(checkPair(a, b, false)))
        return;
    succeed(name);
    setShape(1, 1, one(), one());
    M[0][0] = measure(a, b);
}
