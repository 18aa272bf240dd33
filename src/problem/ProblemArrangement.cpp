#include "problem/Problem.h"

#include "graph/Graph.h"
#include "common/Prompts.h"
#include "common/writeWholeFile.h"
#include "items/Calculus.h"
#include "items/CalculusDisplay.h"
#include "items/infoEDGE.h"
#include "items/infoNODE.h"

#include <QPainter>
#include <QPrinter>

#include <algorithm>

void Problem::slot_print()
{
    QPrinter printer(QPrinter::HighResolution);
    if (!Prompts::instance().print(nullptr, &printer))
        return;
    if (!printPainted(printer, [this](QPainter &painter) {
            render(&painter, QRectF(), QRect(), Qt::KeepAspectRatio);
        }))
        Prompts::instance().message(this, Prompts::Level::Warning, QStringLiteral("Warning"),
                                    QStringLiteral("Failed to print white board."));
}

void Problem::slot_delete_items()
{
    const bool confirmed =
        Prompts::instance().confirm(this, tr("About to delete items"),
                                    tr("Are you sure you want to delete the selected items?"));
    if (graph)
        graph->changeBest();
    if (!confirmed) {
        if (graph)
            graph->update_display();
        update_display();
        return;
    }
    {
        EditScope edit(*this);
        for (QVector<Calculus *> *list : {&items, &families, &constraints, &objectives})
            for (int i = list->size() - 1; i >= 0; --i) {
                Calculus *c = list->at(i);
                if (!c->selected)
                    continue;
                list->remove(i);
                if (CalculusDisplay *dialog = c->getCalculusDisplay())
                    disconnect(dialog, &CalculusDisplay::signal_refresh, this,
                               &Problem::slot_refresh);
                delete c;
            }
    }
    best_backup();
    if (graph) {
        graph->changeBest();
        graph->update_display();
    }
    update_display();
}

void Problem::slot_unselect_all()
{
    selectEvery(false);
}

void Problem::slot_select_all()
{
    selectEvery(true);
}

void Problem::selectEvery(bool s)
{
    QVector<Calculus *> all;
    allItems(all);
    for (Calculus *c : all) {
        c->select(s);
        c->update();
    }
    if (graph)
        graph->update_display();
}

void Problem::slot_invert_selection()
{
    for (const QVector<Calculus *> *list : {&items, &families, &constraints, &objectives})
        for (int i = list->size() - 1; i >= 0; --i)
            list->at(i)->toggleSelect();
    for (Calculus *info : {static_cast<Calculus *>(Colors), static_cast<Calculus *>(Labels),
                           static_cast<Calculus *>(E_Labels), static_cast<Calculus *>(E_Hilights)})
        info->toggleSelect();
}

void Problem::slot_move_all(double dx, double dy)
{
    moveItems(dx, dy, false);
}

void Problem::slot_move_selected(double dx, double dy)
{
    moveItems(dx, dy, true);
}

void Problem::moveItems(double dx, double dy, bool selectedOnly)
{
    QVector<Calculus *> all;
    allItems(all);
    for (Calculus *c : all)
        if (c->selected || !selectedOnly)
            c->setPos(c->pos() + QPointF(dx, dy));
}

QVector<Calculus *> Problem::selectedBackwards() const
{
    QVector<Calculus *> out;
    for (const QVector<Calculus *> *list : {&items, &families, &constraints, &objectives})
        for (int i = list->size() - 1; i >= 0; --i)
            if (list->at(i)->selected)
                out.append(list->at(i));
    for (Calculus *info : {static_cast<Calculus *>(Colors), static_cast<Calculus *>(Labels),
                           static_cast<Calculus *>(E_Labels), static_cast<Calculus *>(E_Hilights)})
        if (info->selected)
            out.append(info);
    return out;
}

void Problem::alignOn(bool alongX)
{
    QVector<Calculus *> all;
    allItems(all);
    double m = 1e8;
    for (Calculus *c : all)
        if (c->selected)
            m = qMin(m, alongX ? c->pos().x() : c->pos().y());
    for (Calculus *c : all)
        if (c->selected)
            c->setPos(alongX ? QPointF(m, c->pos().y()) : QPointF(c->pos().x(), m));
}

void Problem::slot_alignX()
{
    alignOn(true);
}

void Problem::slot_alignY()
{
    alignOn(false);
}

void Problem::spaceOut(bool alongX)
{
    QVector<Calculus *> sel = selectedBackwards();
    if (sel.size() < 2)
        return;
    auto coord = [alongX](const Calculus *c) { return alongX ? c->pos().x() : c->pos().y(); };
    // Stable: equal coordinates keep the gathering order.
    std::stable_sort(sel.begin(), sel.end(),
                     [&](const Calculus *a, const Calculus *b) { return coord(a) < coord(b); });
    const double first = coord(sel.first());
    const double step = (coord(sel.last()) - first) / (sel.size() - 1);
    double at = first;
    for (Calculus *c : sel) {
        c->setPos(alongX ? QPointF(at, c->pos().y()) : QPointF(c->pos().x(), at));
        at += step;
    }
}

void Problem::slot_spaceX()
{
    spaceOut(true);
}

void Problem::slot_spaceY()
{
    spaceOut(false);
}
