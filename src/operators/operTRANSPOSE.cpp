#include "operators/operTRANSPOSE.h"

#include "operators/ShapingKernels.h"

operTRANSPOSE::operTRANSPOSE(bool graphical) : OperatorItem(1, 1)
{
    messages = &OperatorMessages::shaping();
    initOperator(QStringLiteral("TRANSPOSE"),
                 QStringLiteral("Transpose of a vector or matrix: row i becomes column i."),
                 QStringLiteral("Transpose of a vector or matrix:\n row i becomes column i."),
                 graphical);
}

void operTRANSPOSE::recompute()
{
    if (!checkArguments())
        return;
    const ValueBlock a = blockOf(arg1);
    succeed(name);
    setShape(a.cols, a.rows, arg1->getSCols(), arg1->getSRows());
    transposeInto(a, M);
}
