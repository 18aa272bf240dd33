#include "operators/operABS.h"

operABS::operABS(bool graphical) : EntrywiseMap(&absoluteOf)
{
    initOperator(QStringLiteral("ABS"),
                 QStringLiteral("Absolute value of every term of a vector or matrix."),
                 QStringLiteral("Absolute value of every term of a vector or matrix."), graphical);
}
