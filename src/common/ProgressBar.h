#pragma once

#include <QList>
#include <QWidget>

class QGridLayout;
class QLabel;
class QProgressBar;
class QPushButton;

/// A top-level progress window: a label, one bar per running job and a "Cancel" button.
class ProgressBar : public QWidget
{
    Q_OBJECT
public:
    ProgressBar();

    void setName(QString name);
    /// Replaces the bars by `n` new ones (range 0..100, value 0), "Cancel" below them.
    void set_nb_bars(int n);
    int nbBars() const { return m_bars.size(); }
    /// The bar `i` (0-based) for inspection, null when out of range.
    QProgressBar *bar(int i) const { return i >= 0 && i < m_bars.size() ? m_bars[i] : nullptr; }

public slots:
    /// Sets bar `bar`'s value, then its maximum; bar numbers out of range are ignored.
    void slot_progress(int bar, qint64 value, qint64 maximum);

signals:
    void signal_cancel();

private:
    QGridLayout *m_layout;
    QLabel *m_label;
    QPushButton *m_cancel;
    QList<QProgressBar *> m_bars;
};
