#include "explorer/RowFilter.h"

#include <QRegularExpression>

#include <cmath>

bool RowFilter::parse(const QString &text, const QStringList &header, QString &error)
{
    static const QRegularExpression andWord(QStringLiteral("\\s+and\\s+"),
                                            QRegularExpression::CaseInsensitiveOption);
    // The operator is the last one in the condition, so a name may hold "<" or ">" itself.
    static const QRegularExpression condition(
        QStringLiteral("^\\s*(.+?)\\s*(<=|>=|==|!=|<|>|=)\\s*([^<>=!]+?)\\s*$"));
    QVector<Condition> parsed;
    if (!text.trimmed().isEmpty()) {
        for (const QString &part : text.split(andWord)) {
            const QRegularExpressionMatch m = condition.match(part);
            if (!m.hasMatch()) {
                error = QStringLiteral("Cannot read the condition \"%1\".").arg(part.trimmed());
                return false;
            }
            const int column = header.indexOf(m.captured(1));
            if (column < 0) {
                error = QStringLiteral("No column \"%1\".").arg(m.captured(1));
                return false;
            }
            bool ok = false;
            const double value = m.captured(3).toDouble(&ok);
            if (!ok || !std::isfinite(value)) {
                error = QStringLiteral("\"%1\" is not a number.").arg(m.captured(3));
                return false;
            }
            static const QStringList ops = {"<", "<=", ">", ">=", "=", "==", "!="};
            static const Op opOf[] = {Op::Less,  Op::LessEqual, Op::Greater, Op::GreaterEqual,
                                      Op::Equal, Op::Equal,     Op::NotEqual};
            parsed.append({column, opOf[ops.indexOf(m.captured(2))], value});
        }
    }
    m_conditions = parsed;
    m_text = text.trimmed();
    return true;
}

bool RowFilter::accepts(const QVector<double> &row) const
{
    for (const Condition &c : m_conditions) {
        if (c.column >= row.size() || std::isnan(row[c.column]))
            return false;
        const double x = row[c.column];
        const bool equal = std::fabs(x - c.value) <= 1e-6;
        bool keep = false;
        switch (c.op) {
        case Op::Less:
            keep = x < c.value && !equal;
            break;
        case Op::LessEqual:
            keep = x < c.value || equal;
            break;
        case Op::Greater:
            keep = x > c.value && !equal;
            break;
        case Op::GreaterEqual:
            keep = x > c.value || equal;
            break;
        case Op::Equal:
            keep = equal;
            break;
        case Op::NotEqual:
            keep = !equal;
            break;
        }
        if (!keep)
            return false;
    }
    return true;
}

void RowFilter::clear()
{
    m_conditions.clear();
    m_text.clear();
}
