#include "invariants/invCHROMATIC.h"

#include "invariants/Colouring.h"

invCHROMATIC::invCHROMATIC(bool graphical)
    : ValueInvariant(
          [](const BitGraph &g, double &value) {
              int colour[32];
              value = g.n > 1 ? chromaticColouring(g, colour) : 0;
              return g.n > 1;
          },
          QString())
{
    initInvariant(QStringLiteral("CHROMATIC"),
                  QStringLiteral("Chromatic number, the minimum number of colors that are needed "
                                 "to color each vertex such that two adjacent vertices do not "
                                 "share the same color."),
                  graphical);
}
