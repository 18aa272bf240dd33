#pragma once

#include "graph/Graph.h"
#include "catalogue/BuildCalculus.h"
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

/// One item record of problem text: name (with its given name after a tab, if any), the
/// flags, a position, then `args` (four "NULL" when empty) and `tail`.
inline QString line(const QString &name, QStringList args = {}, const QStringList &tail = {},
                    const QString &flags = QStringLiteral("0\t0\t0\t0"))
{
    if (args.isEmpty())
        args = QStringList{"NULL", "NULL", "NULL", "NULL"};
    const QString head = name.contains('\t') ? name : name + '\t';
    return QStringList(QStringList{head, flags, "10\t20"} + args + tail).join('\t');
}

/// Records joined into a problem text ending with its description record.
inline QString text(const QStringList &records, const QString &desc = QStringLiteral("DESC\t\t"))
{
    return QStringList(records + QStringList{desc}).join(QStringLiteral("<NEW>"));
}
