#include "operators/operSUMPRODUCT.h"

#include "operators/VectorComparisons.h"

operSUMPRODUCT::operSUMPRODUCT(bool graphical) : OperatorItem(2, 2)
{
    messages = &OperatorMessages::pairOfValues();
    initOperator(QStringLiteral("SUMPRODUCT"),
                 QStringLiteral("Sum of the products of matching terms of 2 vectors or matrices."),
                 QStringLiteral("Sum of the products of matching terms of 2 vectors or matrices."),
                 graphical);
}

void operSUMPRODUCT::recompute()
{
    if (!checkArguments())
        return;
    const ValueBlock a = blockOf(arg1);
    const ValueBlock b = blockOf(arg2);
    if (!checkStatus(checkPair(a, b, false)))
        return;
    succeed(name);
    setShape(1, 1, one(), one());
    M[0][0] = sumOfProducts(a, b);
}
