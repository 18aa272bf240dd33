#include "operators/operFLOOR.h"

operFLOOR::operFLOOR(bool graphical) : EntrywiseMap(&floorOf)
{
    initOperator(
        QStringLiteral("FLOOR"),
        QStringLiteral(
            "Floor of every term of a vector or matrix: the largest integer less than or "
            "equal to the term."),
        QStringLiteral(
            "Floor of every term of a vector or matrix:\n the largest integer less than or "
            "equal to the term."),
        graphical);
}
