#include "operators/EntrywiseMap.h"

EntrywiseMap::EntrywiseMap(Map m, bool refuses)
    : OperatorItem(1, 1), map(m), refusesNegative(refuses)
{
    messages = &OperatorMessages::shaping();
}

void EntrywiseMap::recompute()
{
    if (!checkArguments())
        return;
    const ValueBlock a = blockOf(arg1);
    if (refusesNegative && !checkStatus(checkSquareRoots(a)))
        return;
    succeed(name);
    setShape(a.rows, a.cols, arg1->getSRows(), arg1->getSCols());
    mapInto(a, map, M);
}
