#include "common/ProgressBar.h"

#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include <limits>

ProgressBar::ProgressBar()
    : QWidget(nullptr), m_layout(new QGridLayout(this)), m_label(new QLabel(tr("Progress"))),
      m_cancel(new QPushButton(tr("Cancel")))
{
    setMinimumWidth(300);
    m_layout->addWidget(m_label, 0, 0);
    m_layout->addWidget(m_cancel, 1, 0);
    connect(m_cancel, &QPushButton::clicked, this, &ProgressBar::signal_cancel);
}

void ProgressBar::setName(QString name)
{
    m_label->setText(name);
}

void ProgressBar::set_nb_bars(int n)
{
    for (QProgressBar *b : qAsConst(m_bars)) {
        m_layout->removeWidget(b);
        delete b;
    }
    m_bars.clear();
    m_layout->removeWidget(m_cancel);
    for (int i = 0; i < n; ++i) {
        auto *b = new QProgressBar;
        b->setRange(0, 100);
        b->setValue(0);
        m_layout->addWidget(b, i + 1, 0);
        m_bars << b;
    }
    m_layout->addWidget(m_cancel, qMax(n, 0) + 1, 0);
}

void ProgressBar::slot_progress(int bar, qint64 value, qint64 maximum)
{
    if (bar < 0 || bar >= m_bars.size())
        return;
    // QProgressBar holds ints: clamp so a long count cannot wrap into a negative bar. The
    // maximum goes first because a value above the old maximum would be dropped.
    const qint64 top = std::numeric_limits<int>::max();
    m_bars[bar]->setMaximum(int(qBound<qint64>(0, maximum, top)));
    m_bars[bar]->setValue(int(qBound<qint64>(0, value, top)));
}
