#include "operators/OperatorItem.h"

#include "common/GuiThread.h"
#include "items/CalculusDisplay.h"

#include <algorithm>

namespace
{
const OperatorMessages &defaultMessages()
{
    static const OperatorMessages m;
    return m;
}
} // namespace

OperatorItem::OperatorItem(int argumentSlots, int needed)
    : arity(std::clamp(argumentSlots, 1, 4)), required(std::clamp(needed, 0, arity)),
      messages(&defaultMessages()), missingMessage(QStringLiteral("Missing arguments"))
{
}

void OperatorItem::initOperator(const QString &keyword, const QString &latex, const QString &text,
                                bool graphical, bool offerComplement)
{
    initItem(keyword, latex, text, graphical, Report::Free, offerComplement);
}

QString OperatorItem::formula()
{
    Calculus *const args[4] = {arg1, arg2, arg3, arg4};
    for (int k = 0; k < required; ++k)
        if (!args[k])
            return QStringLiteral("MISSING ARGUMENT");
    QString text = name + QLatin1Char('(');
    bool first = true;
    for (int k = 0; k < arity; ++k) {
        if (!args[k])
            continue;
        if (!first)
            text += QLatin1Char(',');
        text += args[k]->formula();
        first = false;
    }
    return text + QLatin1Char(')');
}

ValueBlock OperatorItem::blockOf(const Calculus *item)
{
    return ValueBlock{item->M, std::clamp(item->rows, 0, 32), std::clamp(item->cols, 0, 32)};
}

bool OperatorItem::checkArguments(bool argument1NotEmpty)
{
    Calculus *const args[4] = {arg1, arg2, arg3, arg4};
    for (int k = 0; k < required; ++k) {
        if (!args[k]) {
            failWith(missingMessage);
            return false;
        }
    }
    if (argument1NotEmpty && arg1 && blockOf(arg1).empty()) {
        failWith(OperStatus::ArgumentError);
        return false;
    }
    return true;
}

bool OperatorItem::checkStatus(OperStatus status, OperStatus shownAtOnce)
{
    if (status == OperStatus::Ok)
        return true;
    failWith(status);
    if (status == shownAtOnce)
        showTooltipNow(messages->text(status));
    return false;
}

void OperatorItem::failWith(const QString &message)
{
    if (!keepsPresetDimensions) {
        sRows = notApplicable();
        sCols = notApplicable();
    }
    fail(message);
}

void OperatorItem::setShape(int r, int c, const QString &symbolicRows, const QString &symbolicCols)
{
    rows = r;
    cols = c;
    sRows = symbolicRows;
    sCols = symbolicCols;
}

void OperatorItem::showTooltipNow(const QString &text)
{
    // An item without a dialog is never shown: its tool tip is set at once.
    GuiThread::run(calculusDisplay, [this, text] { setToolTip(text); });
}

const QString &OperatorItem::one()
{
    static const QString s = QStringLiteral("1");
    return s;
}

const QString &OperatorItem::vertexCount()
{
    static const QString s = QStringLiteral("n");
    return s;
}

const QString &OperatorItem::notApplicable()
{
    static const QString s = QStringLiteral("NA");
    return s;
}
