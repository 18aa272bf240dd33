#include "operators/operMANHATTANDIST.h"

#include "operators/VectorComparisons.h"

operMANHATTANDIST::operMANHATTANDIST(bool graphical) : OperatorItem(2, 2)
{
    messages = &OperatorMessages::pairOfValues();
    initOperator(QStringLiteral("MANHATTANDIST"),
                 QStringLiteral("MANHATTAN distance between 2 vectors or matrices"),
                 QStringLiteral("MANHATTAN distance between 2 vectors or matrices"), graphical);
}

void operMANHATTANDIST::recompute()
{
    if (!checkArguments())
        return;
    const ValueBlock a = blockOf(arg1);
    const ValueBlock b = blockOf(arg2);
    if (!checkStatus(checkPair(a, b, false)))
        return;
    succeed(name);
    setShape(1, 1, one(), one());
    M[0][0] = manhattanDistance(a, b);
}
