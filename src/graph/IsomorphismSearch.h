#pragma once

#include "graph/BitGraph.h"

#include <QVector>

/// Spectral local search for an isomorphism between two graphs of at most 32 vertices.
/// run() answers -1 (orders or sizes differ), 0 (spectra differ, or no isomorphism found within
/// the budget) or 1 (an isomorphism found and checked cell by cell). Random draws use qrand().
class IsomorphismSearch
{
public:
    /// cap: the most mismatch evaluations one run may make (the set-up evaluation aside).
    /// seedFromClock: reseed qrand() from the clock's milliseconds at each run, as the
    /// application does; tests pass false and seed the thread themselves.
    explicit IsomorphismSearch(int cap = 100000, bool seedFromClock = true);

    int run(const BitGraph &g1, const BitGraph &g2);

    /// Mismatch of the current permutation: sum of |coupled spectrum - target spectrum|.
    double eval();
    void bestbackup();
    void bestrestore();
    void swap(int a, int b);
    void rotate3(int a, int b, int c);
    void rotate4(int a, int b, int c, int d);
    /// k random swaps of two distinct vertices; nothing below two vertices.
    void perturb(int k);

    /// True when the current permutation maps every adjacency of the first graph onto the second.
    bool isIsomorphism() const;
    int permutationOf(int i) const { return perm[i]; }
    int evaluationCount() const { return evalCount; }

private:
    void setCoupling(int x, double value);
    /// (p(v0), ..., p(vk-1)) becomes (old p(v1), ..., old p(vk-1), old p(v0)); undone by the
    /// rotation of the reversed tuple.
    void rotate(const int *v, int k);
    /// Starts the permutation on a colour-preserving match; false when the colour classes of the
    /// two graphs differ in size, which rules an isomorphism out.
    bool coupleByColour();
    /// On a new best, writes a line of `trace` (the scan's text) and v to standard error.
    bool accept(double v, const char *trace, bool &improved);
    /// Applies the rotation and keeps it when accepted, else undoes it.
    bool tryRotation(const int *v, int k, const char *trace, bool &improved);
    bool scanSwaps();
    bool scanDoubleSwaps();
    /// Descent over the rotations of k = 3 or 4 distinct vertices.
    bool scanRotations(int k, const char *trace);
    bool capReached() const { return evalCount >= cap; }
    int finish();

    BitGraph first;
    BitGraph second;
    QVector<QVector<double> > coupled;
    double target[64] = {};
    int perm[64] = {};
    int bestPerm[64] = {};
    int n = 0;
    int order = 0;
    int evalCount = 0;
    double bestValue = 0.0;
    double cur = 0.0;
    int strength = 0;
    int cycle = 0;
    bool found = false;
    const int cap;
    const bool seedFromClock;
};
