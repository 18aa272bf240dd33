#pragma once

#include <QList>
#include <QStringList>
#include <QVector>
#include <QWidget>

class QButtonGroup;
class QGridLayout;
class QPushButton;
class QRadioButton;

/// The "Conjectures settings" window of one explorer: per column of its table, whether the
/// search bounds the variable from below ("Lower"), from above ("Upper") or tries both.
/// A top-level window, hidden until toggled; the rows follow the table's columns.
class ConjectureSettings : public QWidget
{
    Q_OBJECT
public:
    ConjectureSettings();

    /// One row per name, every choice back on "Both"; 21 rows per block of four columns.
    void setVariables(QStringList names);
    /// Per variable in order: -1 for "Lower", +1 for "Upper", 0 for "Both".
    QVector<int> getPatterns() const;

private:
    QStringList variables;
    QVector<QRadioButton *> lowerButtons;
    QVector<QRadioButton *> bothButtons;
    QVector<QRadioButton *> upperButtons;
    QVector<QButtonGroup *> groups;
    QGridLayout *layout;
    QList<QWidget *> rowWidgets;
    QPushButton *closeButton;
};
