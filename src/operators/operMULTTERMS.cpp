#include "operators/operMULTTERMS.h"

operMULTTERMS::operMULTTERMS(bool graphical) : BroadcastOperator(2, &timesOf)
{
    initOperator(
        QStringLiteral(".*"),
        QStringLiteral(
            "Product of two matrices of the same size, term by term (not the matrix product "
            "*). A single value (1 x 1) is combined with every term of the other argument; "
            "any other pair of sizes gives a format error."),
        QStringLiteral(
            "Product of two matrices of the same size, term by term (not the matrix product "
            "*).\n A single value (1 x 1) is combined with every term of the other "
            "argument;\n any other pair of sizes gives a format error."),
        graphical);
}
