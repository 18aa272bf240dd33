#include "conjectures/SimpleDisplay.h"

#include <QGridLayout>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

SimpleDisplay::SimpleDisplay(QString formula, QVector<int> support, int touching, double sumErr)
    : index(0), support(support), formula(formula), touching(touching), sumErr(sumErr)
{
    QGridLayout *grid = new QGridLayout(this);

    supportLabel = new QLabel(this);
    QPalette red = supportLabel->palette();
    red.setBrush(QPalette::All, QPalette::WindowText, QBrush(Qt::red, Qt::SolidPattern));
    supportLabel->setPalette(red);
    supportLabel->setMaximumHeight(30);
    showSupport();
    grid->addWidget(supportLabel, 0, 0);

    formulaButton = new QPushButton(formula, this);
    formulaButton->setFlat(true);
    formulaButton->setMaximumHeight(30);
    connect(formulaButton, &QPushButton::clicked, this, &SimpleDisplay::slot_clicked);
    grid->addWidget(formulaButton, 0, 1);

    QLabel *score = new QLabel(
        QString::number(sumErr, 'g', 6) + QLatin1Char('\t') + QString::number(touching), this);
    score->setFixedWidth(200);
    score->setMaximumHeight(30);
    grid->addWidget(score, 0, 2);
}

void SimpleDisplay::slot_clicked()
{
    // A relation without boundary graph has nothing to step to or load.
    if (support.isEmpty())
        return;
    index = index + 1 < support.size() ? index + 1 : 0;
    showSupport();
    emit signal_load_graph(support[index]);
}

void SimpleDisplay::showSupport()
{
    supportLabel->setText(support.isEmpty() ? QStringLiteral("-")
                                            : QString::number(support[index]));
}
