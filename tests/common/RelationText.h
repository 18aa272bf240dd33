#pragma once

#include <QHash>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>

/// Value of one side of a relation text ("2 x+1.5 y+3") and its largest term; ok false when
/// a term does not read.
inline double evalSide(const QString &side, const QHash<QString, double> &values,
                       double &largest, bool &ok)
{
    double sum = 0.0;
    // An exponent's '+' ("1e+06") follows an 'e'.
    for (const QString &term : side.split(QRegularExpression(QStringLiteral("(?<!e)\\+")))) {
        const int blank = term.indexOf(' ');
        bool numberOk = false;
        double t = (blank < 0 ? term : term.left(blank)).toDouble(&numberOk);
        if (blank >= 0) {
            const QString name = term.mid(blank + 1);
            numberOk = numberOk && values.contains(name);
            t *= values.value(name);
        }
        ok = ok && numberOk;
        sum += t;
        largest = std::max(largest, std::fabs(t));
    }
    return sum;
}

/// The small side minus the large side of a relation text ("a <= b" or "b >= a") at the
/// given values: at most 0 where the relation holds. `largest` grows to the largest term;
/// ok false when the text does not read.
inline double relationExcess(const QString &text, const QHash<QString, double> &values,
                             double &largest, bool &ok)
{
    const bool le = text.contains(QStringLiteral(" <= "));
    const QStringList sides = text.split(le ? QStringLiteral(" <= ") : QStringLiteral(" >= "));
    if (sides.size() != 2 || le == text.contains(QStringLiteral(" >= "))) {
        ok = false;
        return 0.0;
    }
    const double small = evalSide(sides[le ? 0 : 1], values, largest, ok);
    return small - evalSide(sides[le ? 1 : 0], values, largest, ok);
}
