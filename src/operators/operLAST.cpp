#include "operators/operLAST.h"

operLAST::operLAST(bool graphical) : PickEntry(-1)
{
    initOperator(
        QStringLiteral("LAST"),
        QStringLiteral("Last value of a vector or matrix, read row by row, as a single value."),
        QStringLiteral("Last value of a vector or matrix, read row by row,\n as a single value."),
        graphical);
}
