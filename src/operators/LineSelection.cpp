#include "operators/LineSelection.h"

#include "operators/ShapingKernels.h"

LineSelection::LineSelection(Line l) : OperatorItem(2, 2), line(l)
{
    messages = &OperatorMessages::shaping();
}

void LineSelection::recompute()
{
    if (!checkArguments())
        return;
    const ValueBlock a = blockOf(arg1);
    int k = 0;
    if (!checkStatus(indexFrom(blockOf(arg2), line == Line::Column ? a.cols : a.rows, k)))
        return;
    succeed(name);
    if (line == Line::Column) {
        setShape(a.rows, 1, a.rows == 1 ? one() : arg1->getSRows(), one());
        columnInto(a, k, M);
    } else {
        setShape(1, a.cols, one(), a.cols == 1 ? one() : arg1->getSCols());
        rowInto(a, k, M);
    }
}
