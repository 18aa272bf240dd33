#pragma once

#include "graph/Graph.h"
#include "items/BuildCalculus.h"
#include "items/Calculus.h"
#include "problem/Problem.h"

/// Makes g the path 0 - 1 - ... - (n-1).
inline void makePath(Graph &g, int n)
{
    g.clear();
    for (int i = 0; i < n; ++i)
        g.addNode();
    for (int i = 0; i + 1 < n; ++i)
        g.addEdge(i, i + 1);
}

/// Adds SIZE and a "MAXIMIZE" objective taking it to the board; returns the objective.
inline Calculus *addMaximisedSize(Problem &board)
{
    BuildCalculus catalogue;
    Calculus *size = catalogue.makeCalculus(QStringLiteral("SIZE"), board.isDisplay());
    Calculus *z = catalogue.makeCalculus(QStringLiteral("MAXIMIZE"), board.isDisplay());
    board.addInvariantItemLoadMode(size);
    board.addZItem(z);
    board.link1(size, z);
    return z;
}
