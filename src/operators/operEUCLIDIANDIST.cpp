#include "operators/operEUCLIDIANDIST.h"

#include "operators/VectorComparisons.h"

operEUCLIDIANDIST::operEUCLIDIANDIST(bool graphical) : OperatorItem(2, 2)
{
    messages = &OperatorMessages::pairOfValues();
    initOperator(QStringLiteral("EUCLIDIANDIST"),
                 QStringLiteral("Euclidian distance between 2 vectors or matrices"),
                 QStringLiteral("Euclidian distance between 2 vectors or matrices"), graphical);
}

void operEUCLIDIANDIST::recompute()
{
    if (!checkArguments())
        return;
    const ValueBlock a = blockOf(arg1);
    const ValueBlock b = blockOf(arg2);
    if (!checkStatus(checkPair(a, b, false)))
        return;
    succeed(name);
    setShape(1, 1, one(), one());
    M[0][0] = euclideanDistance(a, b);
}
