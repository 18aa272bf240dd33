#pragma once

#include <QString>
#include <QVector>
#include <QWidget>

class QLabel;
class QPushButton;

/// One line of the relations list: a boundary graph's number (in red, as the explorer's table
/// numbers its graphs), the relation text as a flat button that steps through the boundary
/// graphs, and the score.
class SimpleDisplay : public QWidget
{
    Q_OBJECT
public:
    /// `support` holds the graph numbers of the relation's boundary graphs, shown and emitted
    /// as they are: the numbers the explorer's table gives its rows.
    SimpleDisplay(QString formula, QVector<int> support, int touching, double sumErr);

    QString getFormula() const { return formula; }

public slots:
    /// Shows and asks for the next boundary graph, cycling; nothing when there is none.
    void slot_clicked();

signals:
    void signal_load_graph(int graphNo);

private:
    void showSupport();

    int index;
    QVector<int> support;
    QString formula;
    QPushButton *formulaButton;
    int touching;
    double sumErr;
    QLabel *supportLabel;
};
