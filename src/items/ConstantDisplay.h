#pragma once

#include "items/CalculusDisplay.h"

#include <mutex>

class QTableWidgetItem;

/// "Constant definition": an editable grid of values with buttons to add and remove rows and
/// columns, copy the argument ("Clone") and apply the table ("Apply").
/// The grid's numbers are mirrored under a lock as they are edited, so a computation on
/// another thread reads the current cells without touching a widget; a reload requested
/// from another thread updates the mirror at once and the widgets later, on the GUI thread.
class ConstantDisplay : public CalculusDisplay
{
    Q_OBJECT
public:
    ConstantDisplay(QString name, QString description);

    /// The clone request, cleared by the call.
    bool clone() override;
    /// Results never overwrite the grid.
    void setValues(const QVector<QVector<double>> &m, int rows, int cols) override;
    /// The grid's numbers (a cell that is not a number reads 0), in the value store.
    QVector<QVector<double>> &getM() override;
    /// Rebuilds the grid as rows x cols from the values, row-major. Refused, with a line on
    /// standard error and an empty rows x cols grid, unless there are exactly rows x cols
    /// values and both counts lie in 0..32.
    void loadData(int rows, int cols, QVector<double> values) override;

    /// The grid's dimensions as the mirror holds them.
    int gridRows() const;
    int gridCols() const;

public slots:
    void slot_apply() override;
    void slot_add_row();
    void slot_add_col();
    void slot_del_row();
    void slot_del_col();
    void slot_clone();

private:
    void rebuildGrid();
    /// One more or one fewer row (dRows) or column (dCols), within 1..32.
    void resizeGrid(int dRows, int dCols);
    void cellEdited(int row, int col);
    QTableWidgetItem *newCell(double v) const;

    mutable std::mutex mirrorMutex;
    QVector<QVector<double>> mirror;
    int mRows = 1;
    int mCols = 1;
    bool cloneRequest = false;
    bool rebuilding = false;
};
