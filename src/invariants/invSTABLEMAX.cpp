#include "invariants/invSTABLEMAX.h"

#include "invariants/CliqueSearch.h"

invSTABLEMAX::invSTABLEMAX(bool graphical)
    : ValueInvariant([](const BitGraph &g) -> double { return maximumStableSet(g, nullptr); })
{
    initInvariant(QStringLiteral("STABLEMAX"),
                  QStringLiteral("Stability number, the cardinality of the largest set of "
                                 "vertices that are pairwise non adjacent."),
                  graphical);
}
