#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

/// The explorers' row filter: conditions "column op number" joined by "and", op one of
/// <, <=, >, >=, =, ==, !=. Column names may hold blanks and brackets; when a name occurs
/// twice the first column of that name is meant. Equality compares within 1e-6.
class RowFilter
{
public:
    /// Reads text against the header; an empty text keeps every row. False, with a message in
    /// error and the filter unchanged, when a condition cannot be read.
    bool parse(const QString &text, const QStringList &header, QString &error);
    bool isEmpty() const { return m_conditions.isEmpty(); }
    /// A row missing a column of a condition, or holding NaN there, is not kept.
    bool accepts(const QVector<double> &row) const;
    QString text() const { return m_text; }
    void clear();

private:
    enum class Op { Less, LessEqual, Greater, GreaterEqual, Equal, NotEqual };
    struct Condition {
        int column;
        Op op;
        double value;
    };
    QVector<Condition> m_conditions;
    QString m_text;
};
