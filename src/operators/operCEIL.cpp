#include "operators/operCEIL.h"

operCEIL::operCEIL(bool graphical) : EntrywiseMap(&ceilingOf)
{
    initOperator(
        QStringLiteral("CEIL"),
        QStringLiteral(
            "Ceiling of every term of a vector or matrix: the smallest integer greater than "
            "or equal to the term."),
        QStringLiteral(
            "Ceiling of every term of a vector or matrix:\n the smallest integer greater "
            "than or equal to the term."),
        graphical);
}
