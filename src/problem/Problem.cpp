#include "problem/Problem.h"

#include "graph/Graph.h"
#include "items/Calculus.h"
#include "items/CalculusDisplay.h"
#include "items/Link.h"
#include "items/infoEDGE.h"
#include "items/infoNODE.h"
#include "problem/Eval.h"

#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QPainter>

namespace
{

/// A deep copy of the top-left block of an edge information item's value (so that its next
/// computation writes into a matrix nobody shares); shown when the value is n x n.
QVector<QVector<double>> edgeData(Calculus *info, int n, bool &shown)
{
    std::lock_guard<std::mutex> lock(info->valueMutex);
    shown = info->rows == n && info->cols == n;
    const int r = qBound(0, info->rows, 32), c = qBound(0, info->cols, 32);
    QVector<QVector<double>> m(r, QVector<double>(c));
    for (int i = 0; i < r; ++i)
        for (int j = 0; j < c; ++j)
            m[i][j] = info->M[i][j];
    return m;
}

} // namespace

bool Problem::beginEdit()
{
    if (editor.load() == std::this_thread::get_id())
        return false;
    boardMutex.lock();
    editor.store(std::this_thread::get_id());
    return true;
}

void Problem::endEdit()
{
    const bool publish = publishPending, repaint = repaintPending;
    publishPending = false;
    repaintPending = false;
    editor.store(std::thread::id());
    boardMutex.unlock();
    // The graph's change signal leads straight back into best_backup(): what it asked for
    // during the edit runs now that the mutex is free.
    if (publish)
        best_backup();
    if (repaint)
        update_display();
}

Problem::Problem(Graph *g, QString boardName, bool isDisplay)
    : QGraphicsView(static_cast<QWidget *>(nullptr)), graph(g), name(boardName),
      displayed(isDisplay)
{
    if (displayed) {
        scene = new QGraphicsScene(this);
        setScene(scene);
        setContextMenuPolicy(Qt::CustomContextMenu);
        setCacheMode(QGraphicsView::CacheBackground);
        setViewportUpdateMode(QGraphicsView::BoundingRectViewportUpdate);
        setRenderHint(QPainter::Antialiasing);
        setBackgroundBrush(QBrush(Qt::white));
        rubberBand = new QGraphicsRectItem();
        rubberBand->hide();
        rubberBand->setBrush(QBrush(Qt::yellow));
        rubberBand->setPen(QPen(Qt::red));
        rubberBand->setZValue(1000);
        rubberBand->setOpacity(0.5);
        scene->addItem(rubberBand);
    }
    Colors = new infoNODE(QStringLiteral("Colors"), displayed);
    Labels = new infoNODE(QStringLiteral("Labels"), displayed);
    E_Labels = new infoEDGE(QStringLiteral("E_Labels"), displayed);
    E_Hilights = new infoEDGE(QStringLiteral("E_Hilights"), displayed);
    const std::pair<Calculus *, double> infos[] = {
        {Colors, 930}, {Labels, 931}, {E_Labels, 932}, {E_Hilights, 932}};
    for (const auto &info : infos) {
        info.first->setGraph(graph);
        if (displayed) {
            scene->addItem(info.first);
            info.first->setZ(info.second);
            info.first->setVisible(true);
        }
    }
}

Problem::~Problem()
{
    for (QVector<Calculus *> *list : {&items, &families, &constraints, &objectives}) {
        for (Calculus *item : *list)
            delete item;
        list->clear();
    }
    delete Colors;
    delete Labels;
    delete E_Labels;
    delete E_Hilights;
}

Problem *Problem::clone()
{
    const QString text = saveString();
    Problem *copy = new Problem(graph, QStringLiteral("clone"), false);
    copy->openString(text);
    copy->setNbNod(nbNod);
    return copy;
}

// ---------------------------------------------------------------- items and links

void Problem::addItem(QVector<Calculus *> &list, int position, Calculus *item, double z, bool sel)
{
    EditScope edit(*this);
    fastMarked = false;
    list.insert(position, item);
    item->setGraph(graph);
    item->compute(true);
    item->bestBackup();
    if (!displayed)
        return;
    scene->addItem(item);
    item->setZ(z);
    item->setVisible(true);
    item->setSelectable(true);
    item->select(sel);
    if (CalculusDisplay *dialog = item->getCalculusDisplay()) {
        connect(dialog, &CalculusDisplay::signal_refresh, this, &Problem::slot_refresh);
        connect(dialog, &CalculusDisplay::signal_report_changed, this,
                &Problem::signal_report_changed);
    }
}

void Problem::addInvariantItem(Calculus *item)
{
    addItem(items, 0, item, items.size() + 1, true);
}

void Problem::addInvariantItemLoadMode(Calculus *item)
{
    addItem(items, items.size(), item, items.size() + 1, true);
}

void Problem::addOperatorItem(Calculus *item)
{
    EditScope edit(*this);
    int position = items.size();
    if (altPressed)
        for (int i = items.size() - 1; i >= 0; --i)
            if (items[i]->getType() == QLatin1String("Operator") && items[i]->selected)
                position = i;
    addItem(items, position, item, position + 1, false);
    // The items list stacks in its order. A text appends each entry with its place as its
    // stacking value, so renumbering there would only make opening quadratic.
    if (displayed && !placingText)
        for (int i = 0; i < items.size(); ++i)
            if (items[i]->zValue() != i + 1)
                items[i]->setZ(i + 1);
}

void Problem::addFamilyItem(Calculus *item)
{
    addItem(families, families.size(), item, 200 + families.size() + 1, true);
}

void Problem::addConstraintItem(Calculus *item)
{
    addItem(constraints, constraints.size(), item, 500 + constraints.size() + 1, true);
}

void Problem::addZItem(Calculus *item)
{
    addItem(objectives, objectives.size(), item, 500 + objectives.size() + 1, true);
}

void Problem::linkK(int k, Calculus *from, Calculus *to)
{
    EditScope edit(*this);
    fastMarked = false;
    Link *const incoming[4] = {to->link1, to->link2, to->link3, to->link4};
    Link *existing = incoming[k - 1];
    auto setArg = [k, to](Calculus *a) {
        switch (k) {
        case 1:
            return to->setArg1(a);
        case 2:
            return to->setArg2(a);
        case 3:
            return to->setArg3(a);
        default:
            return to->setArg4(a);
        }
    };
    if (existing) {
        if (existing->from() == from) {
            delete existing;
        } else {
            existing->changeOrig(from);
            setArg(from);
        }
    } else {
        Link *link = new Link(from, to, displayed);
        bool taken = false;
        switch (k) {
        case 1:
            taken = to->setLink1(link);
            break;
        case 2:
            taken = to->setLink2(link);
            break;
        case 3:
            taken = to->setLink3(link);
            break;
        default:
            taken = to->setLink4(link);
            break;
        }
        if (!taken || !from->setLinkTo(link)) {
            delete link;
            return;
        }
        if (displayed)
            scene->addItem(link);
        setArg(from);
    }
    if (k != 1)
        return;
    if (placingText)
        computeAfterPlacing = true;
    else
        compute(true);
}

void Problem::link1(Calculus *from, Calculus *to)
{
    linkK(1, from, to);
}
void Problem::link2(Calculus *from, Calculus *to)
{
    linkK(2, from, to);
}
void Problem::link3(Calculus *from, Calculus *to)
{
    linkK(3, from, to);
}
void Problem::link4(Calculus *from, Calculus *to)
{
    linkK(4, from, to);
}

void Problem::slot_link1()
{
    slotLink(1);
}
void Problem::slot_link2()
{
    slotLink(2);
}
void Problem::slot_link3()
{
    slotLink(3);
}
void Problem::slot_link4()
{
    slotLink(4);
}

void Problem::slotLink(int k)
{
    {
        EditScope edit(*this);
        for (int i = 0; i < items.size(); ++i) {
            Calculus *source = items[i];
            if (!source->selected)
                continue;
            for (int j = i + 1; j < items.size(); ++j) {
                // Slot 4 tests the source again: it stops after the first link it takes.
                if (k == 4 && !source->selected)
                    break;
                if (items[j]->selected)
                    linkK(k, source, items[j]);
            }
            if (k == 1)
                for (Calculus *o : objectives)
                    if (o->selected)
                        linkK(1, source, o);
            if (k <= 2)
                for (Calculus *c : constraints)
                    if (c->selected)
                        linkK(k, source, c);
            if (k == 1)
                for (Calculus *info :
                     {static_cast<Calculus *>(Colors), static_cast<Calculus *>(E_Labels),
                      static_cast<Calculus *>(E_Hilights), static_cast<Calculus *>(Labels)})
                    if (info->selected)
                        linkK(1, source, info);
        }
    }
    if (!graph)
        return;
    if (k == 1) {
        const int n = graph->getNbNodes();
        bool valid = false;
        if (Colors->selected)
            graph->setColors(Colors->getFirstCol());
        if (E_Labels->selected) {
            const auto m = edgeData(E_Labels, n, valid);
            graph->setELabels(m, valid);
        }
        if (E_Hilights->selected) {
            const auto m = edgeData(E_Hilights, n, valid);
            graph->setEHilight(m, valid);
        }
        if (Labels->selected)
            graph->setLabels(Labels->getFirstCol());
    }
    graph->changeBest();
    graph->update_display();
    update_display();
}

void Problem::allItems(QVector<Calculus *> &out) const
{
    out.clear();
    // Item by item: appending a whole list to an empty vector shares it, and while it is shared
    // a non-const access to the board's list (a worker's evaluation) reallocates it under the
    // other thread's loop.
    for (const QVector<Calculus *> *list : {&items, &families, &constraints, &objectives})
        for (Calculus *c : *list)
            out << c;
    out << Colors << Labels << E_Labels << E_Hilights;
}

void Problem::setGraph(Graph *g)
{
    EditScope edit(*this);
    graph = g;
    QVector<Calculus *> all;
    allItems(all);
    for (Calculus *c : all)
        c->setGraph(g);
}

void Problem::update_display()
{
    if (!displayed)
        return;
    QVector<Calculus *> all;
    allItems(all);
    for (Calculus *c : all)
        c->update_display();
}

void Problem::clear()
{
    EditScope edit(*this);
    fastMarked = false;
    for (QVector<Calculus *> *list : {&items, &families, &objectives, &constraints})
        while (!list->isEmpty())
            delete list->takeLast();
    if (graph) {
        graph->resetColors();
        graph->resetLabels();
    }
}

// ---------------------------------------------------------------- evaluation

bool Problem::fastMarkingCurrent() const
{
    // A list that changed size without passing through addItem or clear also redoes it.
    return fastMarked && markedSizes[0] == items.size() && markedSizes[1] == families.size() &&
           markedSizes[2] == constraints.size() && markedSizes[3] == objectives.size();
}

bool Problem::compute(bool all)
{
    if (all) {
        for (Calculus *o : objectives)
            o->set_crucial(true);
        for (Calculus *info :
             {static_cast<Calculus *>(Colors), static_cast<Calculus *>(Labels),
              static_cast<Calculus *>(E_Labels), static_cast<Calculus *>(E_Hilights)})
            info->set_crucial(true);
        for (Calculus *c : constraints)
            c->set_crucial(true);
        for (int i = items.size() - 1; i >= 0; --i)
            items[i]->set_crucial(true);
        fastMarked = false;
    } else if (!fastMarkingCurrent()) {
        for (int i = items.size() - 1; i >= 0; --i)
            items[i]->set_crucial(false);
        for (int i = families.size() - 1; i >= 0; --i)
            families[i]->set_crucial(false);
        for (Calculus *c : constraints)
            c->set_crucial(true);
        for (Calculus *o : objectives)
            o->set_crucial(true);
        for (Calculus *o : objectives)
            o->update_crucial();
        for (Calculus *c : constraints)
            c->update_crucial();
        // Every entry stands after its arguments: one backward pass reaches every chain.
        for (int i = items.size() - 1; i >= 0; --i)
            items[i]->update_crucial();
        fastMarked = true;
        markedSizes[0] = items.size();
        markedSizes[1] = families.size();
        markedSizes[2] = constraints.size();
        markedSizes[3] = objectives.size();
    }
    for (Calculus *c : items)
        c->compute(all);
    for (Calculus *c : families)
        c->compute(all);
    for (Calculus *c : constraints)
        c->compute(all);
    for (Calculus *c : objectives)
        c->compute(all);
    Colors->compute(all);
    Labels->compute(all);
    E_Labels->compute(all);
    return E_Hilights->compute(all);
}

void Problem::eval(Eval *record)
{
    compute(false);
    const int nbObjectives = objectives.size();
    const int nbConstraints = constraints.size();
    record->shape(1 + nbConstraints, nbObjectives);
    bool failed = false;
    for (int i = 0; i < nbObjectives; ++i) {
        Calculus *o = objectives[i];
        failed = failed || o->getError();
        // The white board's objective is rescaled by painting on the GUI thread while a worker
        // publishing into the board evaluates it here.
        std::lock_guard<std::mutex> valueLock(o->valueMutex);
        const int r = qBound(0, o->rows, 32);
        const QVector<QVector<double>> &scaled = *o->getZ();
        QVector<double> &v = record->z(i);
        v.resize(r);
        for (int row = 0; row < r; ++row) {
            const double x = scaled[row][0];
            // Beyond either bound is the undefined value, and so is NaN.
            v[row] = (x >= 1e12 || x <= -1e12 || x != x) ? 1e12 : x;
        }
    }
    for (int j = 0; j < nbConstraints; ++j) {
        Calculus *c = constraints[j];
        failed = failed || c->getError();
        record->setValue(nbConstraints - j, c->getValue(1));
    }
    record->setValue(0, failed ? 1.0 : 0.0);

    const int count = m_nbEvals.fetch_add(1, std::memory_order_relaxed) + 1;
    const int limit = m_maxEvals.load(std::memory_order_relaxed);
    if (limit != 0 && count >= limit)
        emit signal_max_eval_reached();
}

void Problem::resetNbEvals()
{
    m_nbEvals.store(0);
}

void Problem::slot_set_max_eval(int max)
{
    m_maxEvals.store(max);
}

bool Problem::isMaxEvalsReached() const
{
    const int limit = maxEvals();
    return limit != 0 && nbEvals() >= limit;
}

QVector<int> Problem::getOptimizationPattern() const
{
    QVector<int> pattern;
    for (Calculus *o : objectives)
        pattern.append(o->getObj());
    return pattern;
}

void Problem::setOptFactors(QVector<double> factors)
{
    if (factors.isEmpty() || factors.size() != objectives.size())
        return;
    for (int i = 0; i < objectives.size(); ++i)
        objectives[i]->setOptFactor(factors[i]);
}

void Problem::best_backup()
{
    if (editor.load() == std::this_thread::get_id()) {
        publishPending = true;
        return;
    }
    std::lock_guard<std::mutex> lock(boardMutex);
    compute(true);
    QVector<Calculus *> all;
    allItems(all);
    for (Calculus *c : all)
        c->bestBackup();
    Eval record;
    eval(&record);
    if (!graph)
        return;
    graph->setViolated(record.violated());
    graph->setColors(Colors->getFirstCol());
    graph->setLabels(Labels->getFirstCol());
    const int n = graph->getNbNodes();
    bool shown = false;
    const auto labels = edgeData(E_Labels, n, shown);
    graph->setELabels(labels, shown);
    const auto hilights = edgeData(E_Hilights, n, shown);
    graph->setEHilight(hilights, shown);
}

void Problem::slot_best_backup()
{
    // The board shows the values of the graph on screen: what is published is repainted too,
    // once the edit under way (if any) ends, as best_backup() itself waits for it.
    const bool editing = editor.load() == std::this_thread::get_id();
    best_backup();
    if (editing)
        repaintPending = true;
    else
        update_display();
}

void Problem::slot_refresh()
{
    if (graph)
        graph->best_backup();
    best_backup();
    if (graph)
        graph->update_display();
    update_display();
}
