#pragma once

#include <QString>
#include <QVector>
#include <QWidget>

class Conjecture;
class QFrame;
class QGridLayout;
class QScrollArea;
class SimpleDisplay;

/// The relations list of one explorer ("Relations"): one line per relation of the last
/// completed search, best first. It keeps copies of the records' values, never the records.
/// Filled by clear(), addConjecture() for each relation, then rebuild().
class ConjecturesDisplay : public QWidget
{
    Q_OBJECT
public:
    ConjecturesDisplay();
    ~ConjecturesDisplay() override;

    /// Appends a line for the record; it shows at the next rebuild().
    void addConjecture(Conjecture *c);
    /// Lays the lines out in a new scroll area under the title.
    void rebuild();
    /// Every relation text followed by "\n", in list order; empty for an empty list.
    QString getConjectures() const;

public slots:
    void slot_load_graph(int graphNo);
    void clear();

signals:
    void signal_load_graph(int graphNo);

private:
    QGridLayout *layout;
    QScrollArea *scrollArea;
    QFrame *frame;
    QVector<SimpleDisplay *> entries;
};
