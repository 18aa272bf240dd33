#include "items/infoEDGE.h"

#include "graph/Graph.h"

infoEDGE::infoEDGE(QString keyword, bool isGraphical) : infoNODE(Tag{})
{
    initInfo(keyword, isGraphical);
}

void infoEDGE::recompute()
{
    error = false;
    if (!arg1) {
        fail(QStringLiteral("Missing argument"));
        return;
    }
    const int n = graph ? graph->getNbNodes() : 0;
    if (arg1->rows != n || arg1->cols != n) {
        fail(QStringLiteral("Argument should be a matrix n x n"));
        return;
    }
    saveTooltip(name);
    rows = arg1->rows;
    cols = arg1->cols;
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < cols; ++j)
            M[i][j] = arg1->M[i][j];
}
