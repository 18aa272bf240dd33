#pragma once

#include "graph/IsomorphismSearch.h"

#include <QString>

class Graph;

/// Heuristic isomorphism test of two graph strings: -1 when the orders or sizes differ, 0 when
/// the spectra differ or no isomorphism was found within the search budget, 1 when one was found
/// (always checked cell by cell). The graphs live in two private graphs, never the caller's.
class Isomorphic
{
public:
    Isomorphic();
    ~Isomorphic();
    Isomorphic(const Isomorphic &) = delete;
    Isomorphic &operator=(const Isomorphic &) = delete;

    /// False when the string is not a graph of 0 to 32 vertices; isIsomorphic() then answers 0
    /// until a valid string is loaded, rather than comparing a stale graph.
    bool setG1(QString graphString);
    bool setG2(QString graphString);
    /// Reseeds the calling thread's qrand() from the clock, then searches.
    int isIsomorphic();

    /// The search of the last isIsomorphic(): permutation found, evaluation count.
    const IsomorphismSearch &search() const { return m_search; }

private:
    Graph *m_g1;
    Graph *m_g2;
    bool m_valid1 = true;
    bool m_valid2 = true;
    IsomorphismSearch m_search;
};
