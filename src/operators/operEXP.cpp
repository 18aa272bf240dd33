#include "operators/operEXP.h"

operEXP::operEXP(bool graphical) : EntrywiseMap(&cappedExp)
{
    initOperator(
        QStringLiteral("EXP"),
        QStringLiteral("Exponential of every term of a vector or matrix, capped at 1e12."),
        QStringLiteral("Exponential of every term of a vector or matrix,\n capped at 1e12."),
        graphical);
}
