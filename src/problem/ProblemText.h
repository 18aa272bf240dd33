#pragma once

#include "catalogue/BuildCalculus.h"

#include <QString>
#include <QVector>

/// The problem text read into plain records: one per item line up to the description
/// record, every field under its name. Reading checks the whole text first, so that a board
/// is built only from a text that reads to its end; a refused text carries the reader's
/// messages for the console and for standard error. No widget, no item is built here.
class ProblemText
{
public:
    /// How an item line joins the board.
    enum class Kind {
        Constant,    ///< "CONSTANT": built by the catalogue's makeConstant, joins the items list
        Information, ///< "Colors", "Labels", "E_Labels", "E_Hilights": the board's own items
        Catalogue    ///< any other keyword: built by the catalogue, placed by its category
    };

    /// One item line.
    struct Item {
        QString name;
        QString givenName;
        Kind kind = Kind::Catalogue;
        /// The catalogue's category of a Catalogue item, else Unknown.
        BuildCalculus::Category category = BuildCalculus::Category::Unknown;
        bool inReport = false;
        bool nodInReport = false;
        bool vecInReport = false;
        bool invertGraph = false;
        double x = 0;
        double y = 0;
        /// Save indexes of arguments 1 to 4; -1 for "NULL".
        int args[4] = {-1, -1, -1, -1};
        /// Objectives ("Z", "OBJECTIVE"): the direction field.
        bool isObjective = false;
        bool minimise = false;
        bool maximise = false;
        /// Constants: the table, rows x cols values row by row.
        int rows = 0;
        int cols = 0;
        QVector<double> values;
    };

    /// Reads a whole text. False when a record is refused: `items` is then incomplete and
    /// failureConsole / failureStandardError say why, as the board reports it.
    bool read(const QString &text);

    /// The text of a board: its item lines (each ending with a line feed), then the
    /// description record.
    static QString compose(const QString &itemLines, const QString &title,
                           const QString &description);

    QVector<Item> items;
    /// A description record ended the text; title and description are then its fields.
    bool described = false;
    QString title;
    QString description;
    QString failureConsole;
    QString failureStandardError;

private:
    bool fail(const QString &console, const QString &standardError);
};
