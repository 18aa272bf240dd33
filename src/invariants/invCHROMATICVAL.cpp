#include "invariants/invCHROMATICVAL.h"

#include "invariants/Colouring.h"

#include <algorithm>

invCHROMATICVAL::invCHROMATICVAL(bool graphical)
    : VertexInvariant(
          [](const BitGraph &g, double out[]) {
              int colour[32];
              if (g.n <= 1)
                  return false;
              chromaticColouring(g, colour);
              std::copy(colour, colour + g.n, out);
              return true;
          },
          QString())
{
    initInvariant(QStringLiteral("CHROMATICVAL"),
                  QStringLiteral("label of the color that is assigned to each vertex in a way "
                                 "that minimizes the total number of colors and respect the "
                                 "coloration condition (2 adjacent vertices do not share the "
                                 "same color)."),
                  graphical);
}
