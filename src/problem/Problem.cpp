#include "problem/Problem.h"

#include "graph/Graph.h"
#include "graph/Prompts.h"
#include "graph/writeWholeFile.h"
#include "items/BuildCalculus.h"
#include "items/Calculus.h"
#include "items/CalculusDisplay.h"
#include "items/Link.h"
#include "items/infoEDGE.h"
#include "items/infoNODE.h"
#include "items/invConstant.h"
#include "problem/Eval.h"

#include <QFile>
#include <QFileInfo>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QMutexLocker>
#include <QPainter>
#include <QPrinter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace
{

const QString kNew = QStringLiteral("<NEW>");

bool isInfoName(const QString &name)
{
    return name == QLatin1String("Colors") || name == QLatin1String("Labels") ||
           name == QLatin1String("E_Labels") || name == QLatin1String("E_Hilights");
}

bool isObjectiveName(const QString &name)
{
    return name == QLatin1String("Z") || name == QLatin1String("OBJECTIVE");
}

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
    if (CalculusDisplay *dialog = item->getCalculusDisplay())
        connect(dialog, &CalculusDisplay::signal_refresh, this, &Problem::slot_refresh);
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
    int position = items.size();
    if (altPressed)
        for (int i = items.size() - 1; i >= 0; --i)
            if (items[i]->getType() == QLatin1String("Operator") && items[i]->selected)
                position = i;
    addItem(items, position, item, position + 1, false);
    if (displayed)
        for (int i = 0; i < items.size(); ++i)
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
    if (k == 1)
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
    out << items << families << constraints << objectives;
    out << Colors << Labels << E_Labels << E_Hilights;
}

void Problem::setGraph(Graph *g)
{
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
    return fastMarked && markedSizes[0] == items.size() && markedSizes[1] == families.size()
           && markedSizes[2] == constraints.size() && markedSizes[3] == objectives.size();
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
    if (limit != 0 && count >= limit && !m_limitSignalled.exchange(true))
        emit signal_max_eval_reached();
}

void Problem::resetNbEvals()
{
    m_nbEvals.store(0);
    m_limitSignalled.store(false);
}

void Problem::slot_set_max_eval(int max)
{
    m_maxEvals.store(max);
    m_limitSignalled.store(false);
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
    QMutexLocker lock(&boardMutex);
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
    best_backup();
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

// ---------------------------------------------------------------- problem text

QString Problem::saveString()
{
    for (int i = 0; i < items.size(); ++i)
        items[i]->saveIndex = i;
    QVector<Calculus *> all;
    allItems(all);
    QString text;
    for (Calculus *c : all)
        text += c->getCaractToSave();
    text.replace(QLatin1Char('\n'), kNew);
    text += QStringLiteral("DESC\t") + title + QLatin1Char('\t') + description;
    return text;
}

void Problem::reportFailure(const QString &console, const QString &standardError)
{
    emit signal_console(console, false, 0, QColor(Qt::red));
    const QByteArray line = standardError.toLocal8Bit() + '\n';
    std::fputs(line.constData(), stderr);
    std::fflush(stderr);
}

bool Problem::openString(QString text)
{
    const QStringList records = text.split(kNew, Qt::KeepEmptyParts);
    if (!checkText(records))
        return false;
    readChecked(records);
    return true;
}

bool Problem::checkText(const QStringList &records)
{
    const QString wrong = QStringLiteral("Critical error, wrong argument for ");
    const QString loading = QStringLiteral("Problem : ERROR LOADING CONSTANT");
    const QString invalid = QStringLiteral("Critical error, invalid value in loading constant");
    const QStringList registered = BuildCalculus::registeredKeywords();
    BuildCalculus catalogue;
    int itemCount = 0; // entries of the items list once the records so far are read

    for (const QString &record : records) {
        const QStringList f = record.split(QLatin1Char('\t'), Qt::KeepEmptyParts);
        if (f.at(0) == QLatin1String("DESC"))
            return true;
        const QString itemName = f.at(0);
        for (int k = 2; k <= 9; ++k)
            if (f.size() < k) {
                reportFailure(QStringLiteral("Critical error, missing argument."),
                              QStringLiteral("Critical error, missing argument") +
                                  QString(k - 1, QLatin1Char('.')));
                return false;
            }

        const bool constant = itemName == QLatin1String("CONSTANT");
        if (!constant && !isInfoName(itemName)) {
            const int category = catalogue.type(itemName);
            if (!registered.contains(itemName) || category == 0) {
                if (!registered.contains(itemName))
                    delete catalogue.makeCalculus(itemName, false); // the catalogue's own line
                const QString msg =
                    itemName + QStringLiteral(" is not a valid name in problem description.");
                reportFailure(msg, msg);
                return false;
            }
            if (category == 1 || category == 3)
                ++itemCount; // joins the items list before its arguments are read
        }

        // Arguments: fields 9 to 12 (indexes 8 to 11).
        for (int k = 1; k <= 4; ++k) {
            const QString &field = f.at(7 + k);
            bool ok = field == QLatin1String("NULL");
            if (!ok) {
                const int index = field.toInt();
                ok = index >= 0 && index < itemCount;
            }
            if (!ok) {
                if (constant)
                    reportFailure((k < 4 ? QStringLiteral("*") : QString()) + wrong + itemName,
                                  QStringLiteral("*") + wrong + itemName);
                else
                    reportFailure(wrong + itemName, wrong + itemName);
                return false;
            }
            if (k < 4 && f.size() < 9 + k) {
                if (constant)
                    reportFailure((k < 3 ? QStringLiteral("*") : QString()) + wrong + itemName,
                                  QStringLiteral("*") + wrong + itemName);
                else
                    reportFailure(wrong + itemName, wrong + itemName);
                return false;
            }
        }

        if (constant) {
            if (f.size() < 14) {
                reportFailure(loading, loading);
                return false;
            }
            const int r = f.at(12).toInt();
            const int c = f.at(13).toInt();
            if (r < 0 || r > 32) {
                reportFailure(invalid + QLatin1Char('.'), invalid);
                return false;
            }
            if (c < 0 || c > 32) {
                reportFailure(invalid + QLatin1Char('.'), invalid + QLatin1Char('.'));
                return false;
            }
            if (f.size() - 14 != r * c) {
                reportFailure(loading, loading + QLatin1Char('.'));
                return false;
            }
            ++itemCount;
        } else if (isObjectiveName(itemName) && f.size() < 13) {
            reportFailure(wrong + itemName, wrong + itemName);
            return false;
        }
    }
    return true;
}

void Problem::applyRecord(Calculus *item, const QStringList &f, bool graphValue)
{
    const auto on = [&f](int field) { return f.at(field - 1) == QLatin1String("1"); };
    item->setPos(f.at(6).toDouble(), f.at(7).toDouble());
    item->setInReport(on(3));
    if (graphValue)
        item->setGraphInReport(!on(5) && !on(4));
    item->setVecInReport(on(5));
    item->setNodInReport(on(4));
    item->setInvertGraph(on(6));
    item->setGivenName(f.at(1));
}

void Problem::readChecked(const QStringList &records)
{
    // Indexes in the text count the items list in reading order: no searched insertion.
    const bool alt = altPressed;
    altPressed = false;
    BuildCalculus catalogue;
    clear();

    auto linkArguments = [this](Calculus *item, const QStringList &f) {
        for (int k = 1; k <= 4; ++k) {
            const QString &field = f.at(7 + k);
            if (field != QLatin1String("NULL"))
                linkK(k, items.at(field.toInt()), item);
        }
    };
    auto deselectAll = [this](bool objectivesToo) {
        for (QVector<Calculus *> *list : {&items, &families, &constraints, &objectives})
            if (list != &objectives || objectivesToo)
                for (Calculus *c : *list)
                    c->select(false);
        for (Calculus *info :
             {static_cast<Calculus *>(Colors), static_cast<Calculus *>(Labels),
              static_cast<Calculus *>(E_Labels), static_cast<Calculus *>(E_Hilights)})
            info->select(false);
    };

    for (const QString &record : records) {
        const QStringList f = record.split(QLatin1Char('\t'), Qt::KeepEmptyParts);
        const QString itemName = f.at(0);
        if (itemName == QLatin1String("DESC")) {
            title = f.value(1);
            description = f.value(2);
            deselectAll(true);
            emit signal_console(QStringLiteral("Problem loaded"), false, 0, QColor(Qt::black));
            emit signal_problem_description(description);
            emit signal_problem_title(title);
            altPressed = alt;
            return;
        }
        if (itemName == QLatin1String("CONSTANT")) {
            auto *constant = static_cast<invConstant *>(catalogue.makeConstant(displayed));
            constant->setGraph(graph);
            applyRecord(constant, f, false);
            linkArguments(constant, f);
            QVector<double> values;
            for (int i = 14; i < f.size(); ++i)
                values.append(f.at(i).toDouble());
            constant->loadData(f.at(12).toInt(), f.at(13).toInt(), values);
            addOperatorItem(constant);
            continue;
        }
        Calculus *item = nullptr;
        if (isInfoName(itemName)) {
            item = itemName == QLatin1String("Colors")     ? static_cast<Calculus *>(Colors)
                   : itemName == QLatin1String("Labels")   ? static_cast<Calculus *>(Labels)
                   : itemName == QLatin1String("E_Labels") ? static_cast<Calculus *>(E_Labels)
                                                           : static_cast<Calculus *>(E_Hilights);
            applyRecord(item, f, true);
        } else {
            item = catalogue.makeCalculus(itemName, displayed);
            item->setGraph(graph);
            // Settings first, so that the item's first computation already uses them.
            applyRecord(item, f, true);
            switch (catalogue.type(itemName)) {
            case 1:
                addInvariantItemLoadMode(item);
                break;
            case 2:
                addFamilyItem(item);
                break;
            case 3:
                addOperatorItem(item);
                break;
            case 4:
                addConstraintItem(item);
                break;
            default:
                addZItem(item);
                break;
            }
        }
        linkArguments(item, f);
        if (isObjectiveName(itemName)) {
            const QString direction = f.at(12);
            item->setMin(direction == QLatin1String("min") || direction == QLatin1String("maxmin"));
            item->setMax(direction == QLatin1String("max") || direction == QLatin1String("maxmin"));
        }
    }
    deselectAll(false);
    if (graph)
        graph->update_display();
    emit signal_console(QStringLiteral("Problem loaded"), false, 0, QColor(Qt::black));
    altPressed = alt;
}

// ---------------------------------------------------------------- problem files

void Problem::slot_save()
{
    const QString chosen = Prompts::instance().saveFileName(
        this, QStringLiteral("Save results as"),
        workingDirectory.isEmpty() ? fileName : workingDirectory, QStringLiteral("*.mvx3"));
    if (!save(chosen)) {
        Prompts::instance().message(this, Prompts::Level::Warning, QStringLiteral("Warning"),
                                    QStringLiteral("Failed to save data."));
        return;
    }
    adoptFileName(chosen);
}

bool Problem::save(QString path)
{
    if (!writeWholeFile(path, saveString().toLatin1()))
        return false;
    emit signal_console(QStringLiteral("Problem saved"), false, 0, QColor(Qt::black));
    return true;
}

void Problem::slot_open()
{
    const QString chosen = Prompts::instance().openFileName(
        this, QStringLiteral("Choose problem to load"), workingDirectory, QStringLiteral("*.mvx3"));
    if (open(chosen))
        adoptFileName(chosen);
}

bool Problem::open(QString path)
{
    const QByteArray line = "Opening " + path.toUtf8() + '\n';
    std::fputs(line.constData(), stderr);
    std::fflush(stderr);
    QString text;
    if (!readText(path, text)) {
        Prompts::instance().message(this, Prompts::Level::Warning, QStringLiteral("Opening"),
                                    QStringLiteral("Cannot open file"));
        return false;
    }
    return openString(text);
}

void Problem::autosave()
{
    if (!writeWholeFile(autosavePath(), saveString().toLatin1()))
        workingDirectory.clear();
}

bool Problem::autoload()
{
    QString text;
    if (!readText(autosavePath(), text)) {
        std::fputs("Cannot open file (autoload)\n", stderr);
        std::fflush(stderr);
        return false;
    }
    return openString(text);
}

QString Problem::autosavePath() const
{
    return workingDirectory.isEmpty() ? QStringLiteral(".mvxpb")
                                      : workingDirectory + QStringLiteral("/.mvxpb");
}

bool Problem::readText(const QString &path, QString &text) const
{
    if (path.isEmpty())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QByteArray bytes = file.readAll();
    const int nul = bytes.indexOf('\0');
    if (nul >= 0)
        bytes.truncate(nul);
    text = QString::fromLatin1(bytes);
    return true;
}

void Problem::adoptFileName(const QString &chosen)
{
    const QFileInfo info(chosen);
    fileName = chosen;
    name = info.completeBaseName();
    baseName = info.path() + QLatin1Char('/') + name;
}

// ---------------------------------------------------------------- report and description texts

namespace
{

/// The step of an arrow key, in scene units with y growing downwards; null for other keys.
QPointF arrowStep(int key)
{
    switch (key) {
    case Qt::Key_Up:
        return QPointF(0, -5);
    case Qt::Key_Down:
        return QPointF(0, 5);
    case Qt::Key_Right:
        return QPointF(5, 0);
    case Qt::Key_Left:
        return QPointF(-5, 0);
    default:
        return QPointF();
    }
}

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
            row.append(c->getValue(k));
    }
    return row;
}

QVector<double> Problem::getReportValues(int v)
{
    const int n = graph ? graph->getNbNodes() : 0;
    QVector<double> row;
    for (Calculus *c : reportedItems()) {
        if (c->nodInReport())
            row.append(c->getValue(v));
        else if (c->vecInReport())
            for (int k = 1; k <= n; ++k)
                row.append(c->getValue(k));
        else
            row.append(c->getValue(1));
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
    const QByteArray bytes = text.toUtf8() + '\n';
    std::fputs(bytes.constData(), stderr);
    std::fflush(stderr);
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

// ---------------------------------------------------------------- mouse, keyboard and zoom

Calculus *Problem::boardItem(QGraphicsItem *item) const
{
    // Every item in the board's scene other than links and the rubber band is one of its own.
    return qgraphicsitem_cast<Calculus *>(item);
}

void Problem::mousePressEvent(QMouseEvent *event)
{
    if (!scene)
        return;
    rubberBandActive = true;
    pressScenePos = mapToScene(event->pos());
    maxDragDist2 = 0;
    // Topmost first and no early stop: of overlapping items the lowest one is picked.
    Calculus *picked = nullptr;
    for (QGraphicsItem *item :
         scene->items(pressScenePos, Qt::IntersectsItemShape, Qt::DescendingOrder))
        if (Calculus *c = boardItem(item))
            picked = c;
    if (!picked) {
        rubberBand->setRect(QRectF(pressScenePos, QSizeF(0, 0)));
        rubberBand->show();
        return;
    }
    Calculus::setCalculusUnderMouse(picked);
    QVector<Calculus *> all;
    allItems(all);
    for (Calculus *c : all)
        if (c->selected)
            c->setMousePressPos(c->pos());
    rubberBandActive = false;
}

void Problem::mouseMoveEvent(QMouseEvent *event)
{
    lastMousePos = event->pos();
    const QPointF p = mapToScene(lastMousePos);
    if (rubberBandActive && rubberBand)
        rubberBand->setRect(QRectF(pressScenePos, p).normalized());
    if (Calculus *c = Calculus::calculusUnderMouse()) {
        const QPointF d = p - pressScenePos;
        maxDragDist2 = qMax(maxDragDist2, d.x() * d.x() + d.y() * d.y());
        if (maxDragDist2 > 25) {
            if (c->selected) {
                const QPointF shift = p - c->getMousePressPos();
                QVector<Calculus *> all;
                allItems(all);
                for (Calculus *s : all)
                    if (s->selected)
                        s->setPos(s->getMousePressPos() + shift);
            } else {
                c->setPos(p);
            }
        }
    }
    update_display();
}

void Problem::mouseReleaseEvent(QMouseEvent *)
{
    if (rubberBandActive && scene) {
        for (QGraphicsItem *item :
             scene->items(rubberBand->rect(), Qt::IntersectsItemShape, Qt::DescendingOrder))
            if (Calculus *c = boardItem(item))
                c->select(true);
    }
    rubberBandActive = false;
    if (rubberBand)
        rubberBand->hide();
    Calculus *c = Calculus::calculusUnderMouse();
    if (25 > maxDragDist2 && c)
        c->toggleSelect();
    Calculus::setCalculusUnderMouse(nullptr);
    update_display();
    maxDragDist2 = 0;
}

void Problem::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (!scene)
        return;
    rubberBandActive = false;
    pressScenePos = mapToScene(event->pos());
    for (QGraphicsItem *item :
         scene->items(pressScenePos, Qt::IntersectsItemShape, Qt::DescendingOrder))
        if (Calculus *c = boardItem(item))
            c->toggleDisplay();
    rubberBand->setRect(QRectF(pressScenePos, QSizeF(0, 0)));
    rubberBand->hide();
    maxDragDist2 = 0;
}

void Problem::wheelEvent(QWheelEvent *event)
{
    scaleView(std::pow(2.0, -event->angleDelta().y() / 240.0));
}

void Problem::scaleView(double factor)
{
    const qreal width = transform().scale(factor, factor).mapRect(QRectF(0, 0, 1, 1)).width();
    if (width < 0.07 || width > 100)
        return;
    scale(factor, factor);
}

void Problem::keyPressEvent(QKeyEvent *event)
{
    struct KeyAction {
        int key;
        void (*run)(Problem &);
    };
    // clang-format off: one binding a line
    static const KeyAction plain[] = {
        {Qt::Key_Plus, [](Problem &p) { p.scaleView(1.1); }},
        {Qt::Key_Minus, [](Problem &p) { p.scaleView(1 / 1.1); }},
        {Qt::Key_1, [](Problem &p) { p.slot_link1(); }},
        {Qt::Key_2, [](Problem &p) { p.slot_link2(); }},
        {Qt::Key_3, [](Problem &p) { p.slot_link3(); }},
        {Qt::Key_4, [](Problem &p) { p.slot_link4(); }},
        {Qt::Key_Delete, [](Problem &p) { p.slot_delete_items(); }},
        {Qt::Key_Backspace, [](Problem &p) { p.slot_delete_items(); }},
        {Qt::Key_R, [](Problem &p) { emit p.signal_start_vns(); }},
        {Qt::Key_H, [](Problem &p) { emit p.signal_stop_vns(); }},
        {Qt::Key_X, [](Problem &p) { p.slot_alignX(); }},
        {Qt::Key_Y, [](Problem &p) { p.slot_alignY(); }},
        {Qt::Key_A, [](Problem &p) { p.slot_spaceX(); }},
        {Qt::Key_V, [](Problem &p) { p.slot_spaceY(); }},
    };
    static const KeyAction withControl[] = {
        {Qt::Key_P, [](Problem &p) { p.slot_print(); }},
        {Qt::Key_X, [](Problem &p) { p.slot_delete_items(); }},
        {Qt::Key_U, [](Problem &p) { p.slot_unselect_all(); }},
        {Qt::Key_A, [](Problem &p) { p.slot_select_all(); }},
        {Qt::Key_I, [](Problem &p) { p.slot_invert_selection(); }},
    };
    // clang-format on

    const int k = event->key();
    if (k == Qt::Key_Control)
        ctrlPressed = true;
    else if (k == Qt::Key_Alt)
        altPressed = true;
    const QPointF arrow = arrowStep(k);
    if (!arrow.isNull()) {
        if (ctrlPressed)
            slot_move_all(arrow.x(), arrow.y());
        else
            slot_move_selected(arrow.x(), arrow.y());
    } else if (ctrlPressed) {
        for (const KeyAction &a : withControl)
            if (a.key == k)
                a.run(*this);
    } else {
        for (const KeyAction &a : plain)
            if (a.key == k)
                a.run(*this);
    }
    // Every key, bound or not, ends with the board refresh.
    slot_refresh();
}

void Problem::keyReleaseEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Alt)
        altPressed = false;
    else if (event->key() == Qt::Key_Control)
        ctrlPressed = false;
}

void Problem::timerEvent(QTimerEvent *)
{
    update_display();
}

// ---------------------------------------------------------------- selection and arrangement

void Problem::slot_print()
{
    QPrinter printer(QPrinter::HighResolution);
    if (!Prompts::instance().print(nullptr, &printer))
        return;
    QPainter painter(&printer);
    render(&painter, QRectF(), QRect(), Qt::KeepAspectRatio);
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
        // A search worker publishing into this board walks the lists under the board mutex.
        QMutexLocker lock(&boardMutex);
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
