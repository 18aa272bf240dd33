#include "operators/PickEntry.h"

#include "operators/ShapingKernels.h"

PickEntry::PickEntry(int p) : OperatorItem(1, 1), position(p)
{
    messages = &OperatorMessages::shaping();
}

void PickEntry::recompute()
{
    if (!checkArguments())
        return;
    double value = 0.0;
    if (!checkStatus(entryInReadingOrder(blockOf(arg1), position, value)))
        return;
    succeed(name);
    setShape(1, 1, one(), one());
    M[0][0] = value;
}
