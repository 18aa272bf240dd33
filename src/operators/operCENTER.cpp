#include "operators/operCENTER.h"

#include "operators/ArithmeticKernels.h"

operCENTER::operCENTER(bool graphical) : OperatorItem(1, 1)
{
    messages = &OperatorMessages::shaping();
    initOperator(
        QStringLiteral("CENTER"),
        QStringLiteral("Centred vector or matrix: every term minus the mean of all the terms."),
        QStringLiteral("Centred vector or matrix:\n every term minus the mean of all the terms."),
        graphical);
}

void operCENTER::recompute()
{
    if (!checkArguments())
        return;
    const ValueBlock a = blockOf(arg1);
    succeed(name);
    setShape(a.rows, a.cols, arg1->getSRows(), arg1->getSCols());
    centerInto(a, M);
}
