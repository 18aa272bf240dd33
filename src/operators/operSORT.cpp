#include "operators/operSORT.h"

#include "operators/ShapingKernels.h"

operSORT::operSORT(bool graphical) : OperatorItem(1, 1)
{
    messages = &OperatorMessages::shaping();
    initOperator(
        QStringLiteral("SORT"),
        QStringLiteral(
            "Values of a vector (column or row) sorted in non-increasing order, in a vector "
            "of the same size. A matrix gives a format error."),
        QStringLiteral("Values of a vector (column or row) sorted in non-increasing order,\n in a "
                       "vector of the same size.\n A matrix gives a format error."),
        graphical);
}

void operSORT::recompute()
{
    if (!checkArguments())
        return;
    const ValueBlock a = blockOf(arg1);
    if (!checkStatus(sortedInto(a, M)))
        return;
    succeed(name);
    setShape(a.rows, a.cols, arg1->getSRows(), arg1->getSCols());
}
