#include "items/ZDisplay.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLayoutItem>

ZDisplay::ZDisplay(QString name, QString description) : CalculusDisplay(name, description)
{
    // The directions join the base's controls, so the objective's dialog is built at once.
    buildControls();
    cbMin = new QCheckBox(tr("Minimization"));
    cbMin->setChecked(true);
    cbMin->setEnabled(false);
    cbMax = new QCheckBox(tr("Maximization"));
    cbMax->setChecked(false);
    cbMax->setEnabled(true);

    // The directions take row 1 of the settings grid; the rows below move down by one.
    auto *settings = qobject_cast<QGridLayout *>(cbInvert->parentWidget()->layout());
    QVector<QPair<QWidget *, QPoint>> moved;
    for (int row = settings->rowCount() - 1; row >= 1; --row)
        for (int col = 0; col < 2; ++col)
            if (QLayoutItem *item = settings->itemAtPosition(row, col))
                if (QWidget *w = item->widget())
                    moved.append({w, QPoint(col, row + 1)});
    for (const auto &m : moved)
        settings->removeWidget(m.first);
    for (const auto &m : moved)
        settings->addWidget(m.first, m.second.y(), m.second.x());
    settings->addWidget(cbMin, 1, 0);
    settings->addWidget(cbMax, 1, 1);

    connect(cbMin, &QCheckBox::clicked, this, &ZDisplay::slot_min_clicked);
    connect(cbMax, &QCheckBox::clicked, this, &ZDisplay::slot_max_clicked);
    connect(cbMin, &QCheckBox::toggled, this, [this](bool on) { minState = on; });
    connect(cbMax, &QCheckBox::toggled, this, [this](bool on) { maxState = on; });
}

void ZDisplay::setObjMin(bool b)
{
    cbMin->setChecked(b);
    cbMax->setEnabled(b);
}

bool ZDisplay::getObjMin()
{
    return minState;
}

void ZDisplay::setObjMax(bool b)
{
    cbMax->setChecked(b);
    cbMin->setEnabled(b);
}

bool ZDisplay::getObjMax()
{
    return maxState;
}

void ZDisplay::slot_min_clicked(bool checked)
{
    cbMax->setEnabled(checked);
}

void ZDisplay::slot_max_clicked(bool checked)
{
    cbMin->setEnabled(checked);
}
