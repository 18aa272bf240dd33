#include "operators/operSECOND.h"

operSECOND::operSECOND(bool graphical) : PickEntry(1)
{
    initOperator(
        QStringLiteral("SECOND"),
        QStringLiteral(
            "Second value of a vector or matrix, read row by row, as a single value. Fewer "
            "than two values give the error Not enough values."),
        QStringLiteral(
            "Second value of a vector or matrix, read row by row,\n as a single value.\n "
            "Fewer than two values give the error Not enough values."),
        graphical);
}
