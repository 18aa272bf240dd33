#include "operators/operMANHATTANDIST.h"

#include "operators/VectorComparisons.h"

operMANHATTANDIST::operMANHATTANDIST(bool graphical) : EntrywiseMeasure(&manhattanDistance)
{
    initOperator(QStringLiteral("MANHATTANDIST"),
                 QStringLiteral("MANHATTAN distance between 2 vectors or matrices"),
                 QStringLiteral("MANHATTAN distance between 2 vectors or matrices"), graphical);
}
