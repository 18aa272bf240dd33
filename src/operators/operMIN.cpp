#include "operators/operMIN.h"

#include "operators/MatrixReductions.h"

operMIN::operMIN(bool graphical) : OperatorItem(1, 1)
{
    initOperator(
        QStringLiteral("MIN"),
        QStringLiteral("Minimum value of a vector or matrix. Not to be confused with MMIN."),
        QStringLiteral("Minimum value of a vector or matrix.\n Not to be confused with MMIN."),
        graphical);
}

void operMIN::recompute()
{
    if (!checkArguments())
        return;
    succeed(name);
    setShape(1, 1, one(), one());
    M[0][0] = reduceMin(blockOf(arg1));
}
