#pragma once

#include "graph/BitGraph.h"
#include "graph/IsomorphismSearch.h"

#include <QString>

/// Heuristic isomorphism test of two graph strings: -1 when the orders or sizes differ, 0 when
/// the spectra differ or no isomorphism was found within the search budget, 1 when one was found
/// (always checked cell by cell).
class Isomorphic
{
public:
    Isomorphic();

    /// False when the string is not a graph of 0 to 32 vertices. isIsomorphic() answers 0 until
    /// both graphs hold a string read, rather than comparing a stale or empty graph.
    bool setG1(QString graphString);
    bool setG2(QString graphString);
    /// Reseeds the calling thread's qrand() from the clock, then searches.
    int isIsomorphic();

    /// The search of the last isIsomorphic(): permutation found, evaluation count.
    const IsomorphismSearch &search() const { return m_search; }

private:
    BitGraph m_g1;
    BitGraph m_g2;
    bool m_valid1 = false;
    bool m_valid2 = false;
    IsomorphismSearch m_search;
};
