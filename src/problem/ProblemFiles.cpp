#include "problem/Problem.h"

#include "catalogue/BuildCalculus.h"
#include "common/Prompts.h"
#include "common/readWholeFile.h"
#include "common/writeDiagnostic.h"
#include "common/writeWholeFile.h"
#include "graph/Graph.h"
#include "items/Calculus.h"
#include "items/infoEDGE.h"
#include "items/infoNODE.h"
#include "items/invConstant.h"
#include "problem/ProblemText.h"

#include <QFileInfo>

// ---------------------------------------------------------------- problem text

QString Problem::saveString()
{
    for (int i = 0; i < items.size(); ++i)
        items[i]->saveIndex = i;
    QVector<Calculus *> all;
    allItems(all);
    QString lines;
    for (Calculus *c : all)
        lines += c->getCaractToSave();
    return ProblemText::compose(lines, title, description);
}

void Problem::reportFailure(const QString &console, const QString &standardError)
{
    emit signal_console(console, false, 0, QColor(Qt::red));
    writeDiagnostic(standardError.toLocal8Bit());
}

bool Problem::openString(QString text)
{
    ProblemText parsed;
    if (!parsed.read(text)) {
        reportFailure(parsed.failureConsole, parsed.failureStandardError);
        return false;
    }
    EditScope edit(*this);
    placeText(parsed);
    return true;
}

void Problem::applyRecord(Calculus *item, const ProblemText::Item &record, bool graphValue)
{
    item->setPos(record.x, record.y);
    item->setInReport(record.inReport);
    if (graphValue)
        item->setGraphInReport(!record.vecInReport && !record.nodInReport);
    item->setVecInReport(record.vecInReport);
    item->setNodInReport(record.nodInReport);
    item->setInvertGraph(record.invertGraph);
    item->setGivenName(record.givenName);
}

void Problem::placeText(const ProblemText &text)
{
    // Indexes in the text count the items list in reading order: no searched insertion.
    const bool alt = altPressed;
    altPressed = false;
    placingText = true;
    computeAfterPlacing = false;
    BuildCalculus catalogue;
    clear();

    auto linkArguments = [this](Calculus *item, const ProblemText::Item &record) {
        for (int k = 1; k <= 4; ++k)
            if (record.args[k - 1] >= 0)
                linkK(k, items.at(record.args[k - 1]), item);
    };
    for (const ProblemText::Item &record : text.items) {
        Calculus *item = nullptr;
        switch (record.kind) {
        case ProblemText::Kind::Constant: {
            auto *constant = static_cast<invConstant *>(catalogue.makeConstant(displayed));
            constant->setGraph(graph);
            applyRecord(constant, record, false);
            linkArguments(constant, record);
            constant->loadData(record.rows, record.cols, record.values);
            addOperatorItem(constant);
            continue;
        }
        case ProblemText::Kind::Information:
            item = record.name == QLatin1String("Colors")     ? static_cast<Calculus *>(Colors)
                   : record.name == QLatin1String("Labels")   ? static_cast<Calculus *>(Labels)
                   : record.name == QLatin1String("E_Labels") ? static_cast<Calculus *>(E_Labels)
                                                              : static_cast<Calculus *>(E_Hilights);
            applyRecord(item, record, true);
            break;
        case ProblemText::Kind::Catalogue:
            item = catalogue.makeCalculus(record.name, displayed);
            item->setGraph(graph);
            // Settings first, so that the item's first computation already uses them.
            applyRecord(item, record, true);
            switch (record.category) {
            case BuildCalculus::Category::Invariant:
                addInvariantItemLoadMode(item);
                break;
            case BuildCalculus::Category::Family:
                addFamilyItem(item);
                break;
            case BuildCalculus::Category::Operator:
                addOperatorItem(item);
                break;
            case BuildCalculus::Category::Constraint:
                addConstraintItem(item);
                break;
            default:
                addZItem(item);
                break;
            }
            break;
        }
        linkArguments(item, record);
        if (record.isObjective) {
            item->setMin(record.minimise);
            item->setMax(record.maximise);
        }
    }
    // The links asked for one computation of the whole board, made once the text is placed
    // instead of once per link.
    placingText = false;
    if (computeAfterPlacing)
        compute(true);
    altPressed = alt;

    // Without a description record the objectives keep their selection and the board its
    // title and description.
    for (QVector<Calculus *> *list : {&items, &families, &constraints, &objectives})
        if (list != &objectives || text.described)
            for (Calculus *c : *list)
                c->select(false);
    for (Calculus *info : {static_cast<Calculus *>(Colors), static_cast<Calculus *>(Labels),
                           static_cast<Calculus *>(E_Labels), static_cast<Calculus *>(E_Hilights)})
        info->select(false);
    if (text.described) {
        title = text.title;
        description = text.description;
        emit signal_console(QStringLiteral("Problem loaded"), false, 0, QColor(Qt::black));
        emit signal_problem_description(description);
        emit signal_problem_title(title);
        return;
    }
    if (graph)
        graph->update_display();
    emit signal_console(QStringLiteral("Problem loaded"), false, 0, QColor(Qt::black));
}

// ---------------------------------------------------------------- problem files

void Problem::slot_save()
{
    const QString chosen = Prompts::instance().saveFileNameAsTyped(
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
    writeDiagnostic("Opening " + path.toUtf8());
    QString text;
    if (!readText(path, text)) {
        Prompts::instance().message(this, Prompts::Level::Warning, QStringLiteral("Opening"),
                                    QStringLiteral("Cannot open file"));
        return false;
    }
    if (!openString(text))
        return false;
    emit signal_report_changed();
    return true;
}

bool Problem::autosave(QString *error, QByteArray *written)
{
    // A failure keeps the working directory: the shell reports it, and the next tick tries the
    // same place again rather than scattering autosave files into the current directory.
    const QByteArray bytes = saveString().toLatin1();
    if (!writeWholeFile(autosavePath(), bytes, error))
        return false;
    if (written)
        *written = bytes;
    return true;
}

bool Problem::autoload()
{
    QString text;
    if (!readText(autosavePath(), text)) {
        writeDiagnostic("Cannot open file (autoload)");
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
    QByteArray bytes;
    if (!readWholeFile(path, bytes))
        return false;
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
