#include "operators/operDIAG.h"

#include "operators/ShapingKernels.h"

operDIAG::operDIAG(bool graphical) : OperatorItem(1, 1)
{
    messages = &OperatorMessages::shaping();
    initOperator(
        QStringLiteral("DIAG"),
        QStringLiteral(
            "Diagonal: a vector (column or row) becomes the diagonal matrix with its values "
            "on the diagonal and 0 elsewhere; a square matrix gives its diagonal as a "
            "column vector. Any other size gives a format error."),
        QStringLiteral(
            "Diagonal: a vector (column or row) becomes the diagonal matrix\n with its "
            "values on the diagonal and 0 elsewhere;\n a square matrix gives its diagonal "
            "as a column vector.\n Any other size gives a format error."),
        graphical);
}

void operDIAG::recompute()
{
    if (!checkArguments())
        return;
    const ValueBlock a = blockOf(arg1);
    bool toMatrix = false;
    if (!checkStatus(diagonalInto(a, toMatrix, M)))
        return;
    succeed(name);
    if (!toMatrix) {
        setShape(a.rows, 1, arg1->getSRows(), one());
        return;
    }
    // The vector's length is the order of the matrix.
    const QString &order = a.cols >= 2 ? arg1->getSCols() : arg1->getSRows();
    setShape(a.rows * a.cols, a.rows * a.cols, order, order);
}
