#include "operators/operMULT.h"

#include "operators/ArithmeticKernels.h"

operMULT::operMULT(bool graphical) : OperatorItem(2, 2)
{
    messages = &OperatorMessages::shaping();
    initOperator(
        QStringLiteral("*"),
        QStringLiteral(
            "Matrix product A B of two matrices: the number of columns of A must equal the "
            "number of rows of B. A single value (1 x 1) on either side multiplies every "
            "term of the other argument. Any other pair of sizes gives a format error."),
        QStringLiteral(
            "Matrix product A B of two matrices:\n the number of columns of A must equal "
            "the number of rows of B.\n A single value (1 x 1) on either side multiplies "
            "every term of the other argument.\n Any other pair of sizes gives a format "
            "error."),
        graphical);
}

void operMULT::recompute()
{
    if (!checkArguments())
        return;
    const ValueBlock a = blockOf(arg1);
    const ValueBlock b = blockOf(arg2);
    const ValueBlock *const pair[2] = {&a, &b};
    const bool single1 = a.rows == 1 && a.cols == 1;
    const bool single2 = b.rows == 1 && b.cols == 1;
    if (b.empty()) {
        failWith(OperStatus::FormatError);
    } else if (a.cols == b.rows) {
        succeed(name);
        setShape(a.rows, b.cols, a.rows == 1 ? one() : arg1->getSRows(),
                 b.cols == 1 ? one() : arg2->getSCols());
        matrixProduct(a, b, M);
    } else if (single1 || single2) {
        const Calculus *scaled = single1 ? arg2 : arg1;
        const ValueBlock &s = single1 ? b : a;
        succeed(name);
        setShape(s.rows, s.cols, scaled->getSRows(), scaled->getSCols());
        broadcastInto(pair, 2, s.rows, s.cols, &timesOf, M);
    } else {
        failWith(OperStatus::FormatError);
    }
}
