#include "problem/ProblemText.h"

#include "catalogue/BuildCalculus.h"
#include "items/Calculus.h"

#include <QStringList>

#include <cmath>

namespace
{

const QString kRecordEnd = QStringLiteral("<NEW>");

// Positions of the fields of an item line.
enum Field {
    Name,
    GivenName,
    InReport,
    NodInReport,
    VecInReport,
    InvertGraph,
    X,
    Y,
    FirstArgument,
    Direction = FirstArgument + 4, // objectives
    Rows = FirstArgument + 4,      // constants
    Cols,
    FirstValue
};

/// A position field; one that is not a finite number ("nan", "inf", junk) reads as 0, since
/// the board could neither draw nor arrange an item placed there.
double position(const QString &field)
{
    const double v = field.toDouble();
    return std::isfinite(v) ? v : 0.0;
}

bool isInfoName(const QString &name)
{
    return name == QLatin1String("Colors") || name == QLatin1String("Labels") ||
           name == QLatin1String("E_Labels") || name == QLatin1String("E_Hilights");
}

} // namespace

bool ProblemText::fail(const QString &console, const QString &standardError)
{
    failureConsole = console;
    failureStandardError = standardError;
    return false;
}

bool ProblemText::read(const QString &text)
{
    items.clear();
    described = false;
    const QString wrong = QStringLiteral("Critical error, wrong argument for ");
    const QString loading = QStringLiteral("Problem : ERROR LOADING CONSTANT");
    const QString invalid = QStringLiteral("Critical error, invalid value in loading constant");
    const QStringList registered = BuildCalculus::registeredKeywords();
    BuildCalculus catalogue;
    int listed = 0; // entries of the board's items list once the records so far are placed

    for (const QString &record : text.split(kRecordEnd, Qt::KeepEmptyParts)) {
        const QStringList f = record.split(QLatin1Char('\t'), Qt::KeepEmptyParts);
        if (f.at(Name) == QLatin1String("DESC")) {
            described = true;
            title = f.value(1);
            description = f.value(2);
            return true;
        }
        Item item;
        item.name = f.at(Name);
        for (int k = 2; k <= FirstArgument + 1; ++k)
            if (f.size() < k)
                return fail(QStringLiteral("Critical error, missing argument."),
                            QStringLiteral("Critical error, missing argument") +
                                QString(k - 1, QLatin1Char('.')));

        if (item.name == QLatin1String("CONSTANT")) {
            item.kind = Kind::Constant;
        } else if (isInfoName(item.name)) {
            item.kind = Kind::Information;
        } else {
            item.category = catalogue.type(item.name);
            if (!registered.contains(item.name) ||
                item.category == BuildCalculus::Category::Unknown) {
                if (!registered.contains(item.name))
                    delete catalogue.makeCalculus(item.name, false); // the catalogue's own line
                const QString msg =
                    item.name + QStringLiteral(" is not a valid name in problem description.");
                return fail(msg, msg);
            }
        }
        const bool constant = item.kind == Kind::Constant;

        // An argument names an entry of the items list placed before this record: an entry
        // naming itself would make the board's expression a cycle.
        for (int k = 1; k <= 4; ++k) {
            const QString &field = f.at(FirstArgument + k - 1);
            bool ok = field == QLatin1String("NULL");
            if (!ok) {
                item.args[k - 1] = field.toInt(&ok);
                ok = ok && item.args[k - 1] >= 0 && item.args[k - 1] < listed;
            }
            if (!ok)
                return constant
                           ? fail((k < 4 ? QStringLiteral("*") : QString()) + wrong + item.name,
                                  QStringLiteral("*") + wrong + item.name)
                           : fail(wrong + item.name, wrong + item.name);
            if (k < 4 && f.size() < FirstArgument + k + 1)
                return constant
                           ? fail((k < 3 ? QStringLiteral("*") : QString()) + wrong + item.name,
                                  QStringLiteral("*") + wrong + item.name)
                           : fail(wrong + item.name, wrong + item.name);
        }

        const auto on = [&f](Field field) { return f.at(field) == QLatin1String("1"); };
        item.givenName = f.at(GivenName);
        item.inReport = on(InReport);
        item.nodInReport = on(NodInReport);
        item.vecInReport = on(VecInReport);
        item.invertGraph = on(InvertGraph);
        item.x = position(f.at(X));
        item.y = position(f.at(Y));

        if (constant) {
            if (f.size() < FirstValue)
                return fail(loading, loading);
            bool rowsRead = false, colsRead = false;
            item.rows = f.at(Rows).toInt(&rowsRead);
            item.cols = f.at(Cols).toInt(&colsRead);
            if (!rowsRead || item.rows < 0 || item.rows > 32)
                return fail(invalid + QLatin1Char('.'), invalid);
            if (!colsRead || item.cols < 0 || item.cols > 32)
                return fail(invalid + QLatin1Char('.'), invalid + QLatin1Char('.'));
            if (f.size() - FirstValue != item.rows * item.cols)
                return fail(loading, loading + QLatin1Char('.'));
            for (int i = FirstValue; i < f.size(); ++i) {
                bool read = false;
                item.values.append(f.at(i).toDouble(&read));
                if (!read)
                    return fail(invalid + QLatin1Char('.'), invalid + QLatin1Char('.'));
            }
        } else if (item.name == QLatin1String("Z") || item.name == QLatin1String("OBJECTIVE")) {
            if (f.size() <= Direction)
                return fail(wrong + item.name, wrong + item.name);
            const QString &direction = f.at(Direction);
            item.isObjective = true;
            item.minimise =
                direction == QLatin1String("min") || direction == QLatin1String("maxmin");
            item.maximise =
                direction == QLatin1String("max") || direction == QLatin1String("maxmin");
        }
        // Invariants and operators, constants among them, join the items list.
        if (constant || item.category == BuildCalculus::Category::Invariant ||
            item.category == BuildCalculus::Category::Operator)
            ++listed;
        items.append(item);
    }
    return true;
}

QString ProblemText::compose(const QString &itemLines, const QString &title,
                             const QString &description)
{
    QString text = itemLines;
    text.replace(QLatin1Char('\n'), kRecordEnd);
    return text + QStringLiteral("DESC\t") + title + QLatin1Char('\t') + description;
}
