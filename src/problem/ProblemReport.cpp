#include "problem/Problem.h"

#include "common/writeDiagnostic.h"
#include "graph/Graph.h"
#include "items/Calculus.h"

namespace
{

QString columnLabel(Calculus *c)
{
    c->updateGivenName();
    if (!c->givenName.isEmpty())
        return c->givenName;
    return c->name.isEmpty() ? QStringLiteral("NA") : c->name;
}

/// Columns an item gives. An item holding both natures (possible only without a dialog)
/// reports as a node value in both modes, so that names and values always line up.
int columnCount(const Calculus *c, bool vertexMode, int n)
{
    if (c->nodInReport())
        return vertexMode ? 1 : n;
    return c->vecInReport() ? n : 1;
}

/// Value k (1-based) as the explorers show it: undefined (1e12) while the item is in error,
/// whose storage then still holds an earlier graph's value.
double reportValue(Calculus *c, int k)
{
    return c->getError() ? 1e12 : c->getValue(k);
}

} // namespace

QVector<Calculus *> Problem::reportedItems() const
{
    QVector<Calculus *> out;
    for (const QVector<Calculus *> *list : {&items, &families, &objectives})
        for (Calculus *c : *list)
            if (c->inReport())
                out.append(c);
    return out;
}

QStringList Problem::getReportNames(bool vertexMode)
{
    const int n = graph ? graph->getNbNodes() : 0;
    QStringList names;
    for (Calculus *c : reportedItems()) {
        const int count = columnCount(c, vertexMode, n);
        const QString label = columnLabel(c);
        for (int k = 1; k <= count; ++k)
            names << (count >= 2 ? label + QLatin1Char('[') + QString::number(k) + QLatin1Char(']')
                                 : label);
    }
    return names;
}

QVector<double> Problem::getReportValues()
{
    const int n = graph ? graph->getNbNodes() : 0;
    QVector<double> row;
    for (Calculus *c : reportedItems()) {
        const int count = columnCount(c, false, n);
        for (int k = 1; k <= count; ++k)
            row.append(reportValue(c, k));
    }
    return row;
}

QVector<double> Problem::getReportValues(int v)
{
    const int n = graph ? graph->getNbNodes() : 0;
    QVector<double> row;
    for (Calculus *c : reportedItems()) {
        if (c->nodInReport())
            row.append(reportValue(c, v));
        else if (c->vecInReport())
            for (int k = 1; k <= n; ++k)
                row.append(reportValue(c, k));
        else
            row.append(reportValue(c, 1));
    }
    return row;
}

QString Problem::algDefinition()
{
    QString text;
    for (int k = 1; k <= objectives.size(); ++k) {
        Calculus *o = objectives[k - 1];
        const int direction = o->getObj();
        text += direction > 0   ? QStringLiteral("Min")
                : direction < 0 ? QStringLiteral("Max")
                                : QStringLiteral("MinMax");
        text += QStringLiteral("\tZ") + QString::number(k) + QStringLiteral(" = ") + o->formula() +
                QLatin1Char('\n');
    }
    if (!constraints.isEmpty()) {
        text += QStringLiteral("Subject to\n");
        for (int k = 1; k <= constraints.size(); ++k)
            text += QStringLiteral("Constraint") + QString::number(k) + QStringLiteral(" : ") +
                    constraints[k - 1]->formula() + QLatin1Char('\n');
    }
    return text;
}

QString Problem::currentDescription()
{
    QString text;
    for (const QVector<Calculus *> *list : {&items, &families, &constraints, &objectives})
        for (Calculus *c : *list)
            text += c->problemDocument() + QLatin1Char('\n');
    return text;
}

void Problem::display(bool debug)
{
    const QString ruler = QStringLiteral("===================\n");
    QString text = ruler;
    text += QStringLiteral("Name     = ") + name + QLatin1Char('\n');
    text += QStringLiteral("FileName = ") + fileName + QLatin1Char('\n');
    text += QStringLiteral("BaseName = ") + baseName + QLatin1Char('\n');
    for (int i = 0; i < items.size(); ++i)
        items[i]->saveIndex = i;
    for (const QVector<Calculus *> *list : {&items, &families, &constraints})
        for (Calculus *c : *list)
            text += c->getCaractToSave() + QLatin1Char('\n');
    text += ruler;
    writeDiagnostic(text.toUtf8());
    emit signal_console(text, debug, 0, QColor(Qt::black));
}

void Problem::slot_set_title(QString t)
{
    title = t;
}

void Problem::slot_set_description(QString d)
{
    description = d;
}
