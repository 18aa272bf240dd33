#include "operators/operVALUEAT.h"

#include "operators/ShapingKernels.h"

operVALUEAT::operVALUEAT(bool graphical) : OperatorItem(3, 2)
{
    messages = &OperatorMessages::shaping();
    initOperator(
        QStringLiteral("VALUE AT"),
        QStringLiteral(
            "Value at row i and column j of a matrix A, i and j being the single values of "
            "the second and third arguments, counted from 1. Without a third argument, "
            "value i of a vector (row or column), a matrix giving a format error. An index "
            "outside the matrix gives the error Index out of range; an index that is not a "
            "single value gives a format error."),
        QStringLiteral(
            "Value at row i and column j of a matrix A,\n i and j being the single values "
            "of the second and third arguments, counted from 1.\n Without a third argument, "
            "value i of a vector (row or column), a matrix giving a format error.\n An index "
            "outside the matrix gives the error Index out of range;\n an index that is not a "
            "single value gives a format error."),
        graphical);
}

void operVALUEAT::recompute()
{
    if (!checkArguments())
        return;
    const ValueBlock a = blockOf(arg1);
    int i = 0;
    int j = 0;
    if (arg3) {
        if (!checkStatus(indexFrom(blockOf(arg2), a.rows, i)) ||
            !checkStatus(indexFrom(blockOf(arg3), a.cols, j)))
            return;
    } else {
        if (!a.isVector()) {
            failWith(OperStatus::FormatError);
            return;
        }
        if (!checkStatus(indexFrom(blockOf(arg2), a.rows * a.cols, i)))
            return;
    }
    succeed(name);
    setShape(1, 1, one(), one());
    M[0][0] = arg3 ? a.at(i, j) : a.vectorAt(i);
}
