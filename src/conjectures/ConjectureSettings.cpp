#include "conjectures/ConjectureSettings.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace
{
// Rows 0..20 of a block; the next variable opens a block four columns to the right.
const int kLastRowOfBlock = 20;
} // namespace

ConjectureSettings::ConjectureSettings() : QWidget(nullptr)
{
    setMinimumWidth(200);
    setMinimumHeight(50);
    setWindowTitle(QStringLiteral("Conjectures settings"));
    layout = new QGridLayout(this);
    closeButton = new QPushButton(QStringLiteral("Close"), this);
    layout->addWidget(closeButton, 0, 0, 1, 4);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::hide);
    hide();
}

void ConjectureSettings::setVariables(QStringList names)
{
    layout->removeWidget(closeButton);
    for (QWidget *w : qAsConst(rowWidgets)) {
        layout->removeWidget(w);
        delete w;
    }
    rowWidgets.clear();
    lowerButtons.clear();
    bothButtons.clear();
    upperButtons.clear();
    qDeleteAll(groups);
    groups.clear();
    variables = names;

    int row = 0, column = 0, usedRows = 0;
    for (const QString &name : qAsConst(variables)) {
        QLabel *label = new QLabel(name, this);
        QRadioButton *lower = new QRadioButton(QStringLiteral("Lower"), this);
        QRadioButton *both = new QRadioButton(QStringLiteral("Both"), this);
        QRadioButton *upper = new QRadioButton(QStringLiteral("Upper"), this);
        both->setChecked(true);
        layout->addWidget(label, row, column);
        layout->addWidget(lower, row, column + 1);
        layout->addWidget(both, row, column + 2);
        layout->addWidget(upper, row, column + 3);
        lowerButtons.append(lower);
        bothButtons.append(both);
        upperButtons.append(upper);
        rowWidgets << label << lower << both << upper;
        QButtonGroup *group = new QButtonGroup(this);
        group->setExclusive(true);
        group->addButton(lower);
        group->addButton(both);
        group->addButton(upper);
        groups.append(group);
        usedRows = qMax(usedRows, row + 1);
        if (row < kLastRowOfBlock) {
            ++row;
        } else {
            row = 0;
            column += 4;
        }
    }
    layout->addWidget(closeButton, usedRows, 0, 1, 4);
}

QVector<int> ConjectureSettings::getPatterns() const
{
    QVector<int> patterns;
    patterns.reserve(variables.size());
    for (int k = 0; k < variables.size(); ++k) {
        if (lowerButtons[k]->isChecked())
            patterns.append(-1);
        else if (upperButtons[k]->isChecked())
            patterns.append(1);
        else
            patterns.append(0);
    }
    return patterns;
}
