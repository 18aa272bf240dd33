#include "items/invConstant.h"

#include "items/ConstantDisplay.h"

#include <QPainter>
#include <QRadialGradient>

invConstant::invConstant(bool isGraphical)
{
    name = QStringLiteral("CONSTANT");
    latexDoc = QStringLiteral("Constant value, vector or matrix defined by the user.");
    textDoc = QStringLiteral(
        "Constant value, vector or matrix defined by the user. The numerical definition is "
        "achieved through the \"Results\" tab.\n"
        "If an argument is provided, clicking the \"Clone\" button will make a copy of the "
        "argument.\n"
        "Otherwise, the definition may be achieved by hand, by writing the value in the "
        "table.\n"
        "IMPORTANT: In any case, the \"Apply\" button must be pressed to make the changes "
        "effective.");
    sRows = sCols = QStringLiteral("1");
    rows = cols = 1;
    nbArgs = 1;
    graphical = isGraphical;
    if (graphical) {
        calculusDisplay = new ConstantDisplay(name, textDoc);
        calculusDisplay->setEnabled(true);
        calculusDisplay->setVisible(false);
        placeOnBoard();
        calculusDisplay->setName(name);
    }
}

QString invConstant::specificInformationToSave()
{
    std::lock_guard<std::mutex> lock(valueMutex);
    const QString tab(QLatin1Char('\t'));
    QString s = tab + QString::number(appliedRows) + tab + QString::number(appliedCols);
    for (int i = 0; i < appliedRows; ++i)
        for (int j = 0; j < appliedCols; ++j)
            s += tab + QString::number(M[i][j], 'g', 6);
    return s;
}

bool invConstant::loadData(int r, int c, QVector<double> values)
{
    if (r < 0 || r > 32 || c < 0 || c > 32 || r * c != values.size()) {
        if (calculusDisplay)
            calculusDisplay->loadData(r, c, values); // says why on standard error
        return false;
    }
    if (calculusDisplay) {
        calculusDisplay->loadData(r, c, values);
        return true;
    }
    std::lock_guard<std::mutex> lock(valueMutex);
    appliedRows = rows = r;
    appliedCols = cols = c;
    for (int i = 0; i < r; ++i)
        for (int j = 0; j < c; ++j)
            M[i][j] = values[i * c + j];
    return true;
}

void invConstant::recompute()
{
    auto *dialog = static_cast<ConstantDisplay *>(calculusDisplay);
    if (dialog) {
        if (dialog->clone() && arg1) {
            if (arg1->rows == 0 || arg1->cols == 0) {
                fail(QStringLiteral("Argument error"));
                return;
            }
            QVector<double> copy;
            copy.reserve(arg1->rows * arg1->cols);
            for (int i = 0; i < arg1->rows; ++i)
                for (int j = 0; j < arg1->cols; ++j)
                    copy.append(arg1->M[i][j]);
            dialog->loadData(arg1->rows, arg1->cols, copy);
        }
        const int r = dialog->gridRows();
        const int c = dialog->gridCols();
        const QVector<QVector<double>> &m = dialog->getM();
        for (int i = 0; i < r; ++i)
            for (int j = 0; j < c; ++j)
                M[i][j] = m[i][j];
        appliedRows = r;
        appliedCols = c;
    }
    rows = appliedRows;
    cols = appliedCols;
    if (rows == 0 || cols == 0)
        error = true;
    sRows = QString::number(rows);
    sCols = QString::number(cols);
}

void invConstant::paint(QPainter *p, const QStyleOptionGraphicsItem *, QWidget *)
{
    QRadialGradient g(QPointF(30, 30), 60, QPointF(3, 30));
    if (selected) {
        g.setColorAt(1, QColor(Qt::blue).lighter(120));
        g.setColorAt(0, QColor(Qt::darkBlue).lighter(120));
    } else if (rows != 0 && cols != 0) {
        g.setColorAt(1, QColor(Qt::yellow).lighter(120));
        g.setColorAt(0, QColor(Qt::darkYellow).lighter(120));
    } else {
        g.setColorAt(1, QColor(Qt::red).lighter(120));
        g.setColorAt(0, QColor(Qt::darkRed).lighter(120));
    }
    p->setBrush(g);
    p->setPen(QPen(Qt::black, 1));
    p->drawEllipse(QRectF(-(w / 2), -(h / 2), w, h));
    p->drawText(QRectF(-50, -20, 100, 20), name);
    const QString line =
        (shownRows() == 1 && shownCols() == 1)
            ? QString::number(shownValue(), 'g', 6)
            : QString::number(shownRows()) + QStringLiteral(" x ") + QString::number(shownCols());
    p->drawText(QRectF(-50, 0, 100, 20), line);
}
