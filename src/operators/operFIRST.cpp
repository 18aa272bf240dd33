#include "operators/operFIRST.h"

operFIRST::operFIRST(bool graphical) : PickEntry(0)
{
    initOperator(
        QStringLiteral("FIRST"),
        QStringLiteral("First value of a vector or matrix, read row by row, as a single value."),
        QStringLiteral("First value of a vector or matrix, read row by row,\n as a single value."),
        graphical);
}
