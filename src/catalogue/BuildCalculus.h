#pragma once

#include <QString>
#include <QStringList>

class Calculus;

/// The item catalogue: keyword lists per category, category codes, item creation by keyword
/// and the documentation texts gathered from temporary items.
class BuildCalculus
{
public:
    BuildCalculus();

    /// The category that places a new item on the board; Unknown adds nothing.
    enum class Category { Unknown, Invariant, Family, Operator, Constraint, Objective };

    Category type(const QString &keyword) const;
    /// A new item of the keyword's class, owned by the caller; null (and a line on standard
    /// error) for a keyword without a registered class.
    Calculus *makeCalculus(const QString &keyword, bool graphical) const;
    /// The user constant, as makeCalculus("CONSTANT", graphical) builds it.
    Calculus *makeConstant(bool graphical) const;
    /// Every registered keyword: the order of All, then "NBETWEENNESS".
    static QStringList registeredKeywords();

    QString Documentation(const QString &category) const;
    QString toolTip(const QString &keyword) const;
    QString latexDefinition(const QString &keyword) const;
    QString textDefinition(const QString &keyword) const;

    QStringList Operators;
    QStringList InvariantsVal;
    QStringList InvariantsVec;
    QStringList InvariantsMat;
    QStringList InvariantsFam;
    QStringList All;
    QStringList Constraints;
};
