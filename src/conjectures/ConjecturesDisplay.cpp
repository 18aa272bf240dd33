#include "conjectures/ConjecturesDisplay.h"

#include "conjectures/Conjecture.h"
#include "conjectures/SimpleDisplay.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

ConjecturesDisplay::ConjecturesDisplay() : QWidget(nullptr), scrollArea(nullptr), frame(nullptr)
{
    layout = new QGridLayout(this);
    layout->setVerticalSpacing(0);
    layout->addWidget(new QLabel(QStringLiteral("Relations"), this), 0, 0);
    setMinimumWidth(400);
    setWindowTitle(QStringLiteral("Conjectures"));
}

ConjecturesDisplay::~ConjecturesDisplay()
{
    // Lines added since the last rebuild() have no parent yet.
    clear();
}

void ConjecturesDisplay::addConjecture(Conjecture *c)
{
    SimpleDisplay *line =
        new SimpleDisplay(c->getFormula(), c->getSupport(), c->getTouching(), c->getSumErr());
    line->setMaximumHeight(40);
    connect(line, &SimpleDisplay::signal_load_graph, this, &ConjecturesDisplay::slot_load_graph);
    entries.append(line);
}

void ConjecturesDisplay::rebuild()
{
    // The lines must outlive the old frame, which owns them once laid out.
    if (frame) {
        for (SimpleDisplay *line : qAsConst(entries))
            line->setParent(nullptr);
        delete frame;
        frame = nullptr;
    }
    delete scrollArea;
    scrollArea = new QScrollArea(this);
    frame = new QFrame(scrollArea);
    QVBoxLayout *box = new QVBoxLayout;
    for (SimpleDisplay *line : qAsConst(entries))
        box->addWidget(line, entries.size());
    frame->setLayout(box);
    scrollArea->setWidget(frame);
    layout->addWidget(scrollArea, 1, 0, 1, 2);
}

void ConjecturesDisplay::clear()
{
    for (SimpleDisplay *line : qAsConst(entries)) {
        disconnect(line, &SimpleDisplay::signal_load_graph, this,
                   &ConjecturesDisplay::slot_load_graph);
        layout->removeWidget(line);
        delete line;
    }
    entries.clear();
    if (frame) {
        delete frame;
        frame = nullptr;
    }
    if (scrollArea) {
        delete scrollArea;
        scrollArea = nullptr;
    }
}

void ConjecturesDisplay::slot_load_graph(int graphNo)
{
    emit signal_load_graph(graphNo);
}

QString ConjecturesDisplay::getConjectures() const
{
    QString text;
    for (const SimpleDisplay *line : entries)
        text += line->getFormula() + QLatin1Char('\n');
    return text;
}
