#pragma once

#include "items/Operator.h"

/// The user constant "CONSTANT": a value, vector or matrix typed into its table, or copied
/// once from its argument. It does not depend on the graph.
class invConstant : public Operator
{
public:
    explicit invConstant(bool graphical);

    void paint(QPainter *p, const QStyleOptionGraphicsItem *option, QWidget *widget) override;
    bool setLink2(Link *) override { return false; }
    bool setLink3(Link *) override { return false; }
    bool setLink4(Link *) override { return false; }
    bool setArg2(Calculus *) override { return false; }
    bool setArg3(Calculus *) override { return false; }
    bool setArg4(Calculus *) override { return false; }
    QString formula() override { return QStringLiteral("CONSTANT"); }
    /// Rows, columns and the values of the last applied table, whatever the error state.
    QString specificInformationToSave() override;
    void recompute() override;
    /// Loads rows x cols values, row-major. False, nothing changed, unless both counts lie in
    /// 0..32 and there are exactly rows x cols values. With a dialog the grid takes them and
    /// the value follows at the next computation.
    bool loadData(int rows, int cols, QVector<double> values);

    int tableRows() const { return appliedRows; }

private:
    // The table as last applied; rows and cols drop to 0 on an error, these do not.
    int appliedRows = 1;
    int appliedCols = 1;
};
