#pragma once

#include "items/CalculusDisplay.h"

#include <atomic>

class QCheckBox;

/// The objective's dialog: the item dialog with the two directions "Minimization" and
/// "Maximization". The only ticked box is disabled, so one direction always stays on.
class ZDisplay : public CalculusDisplay
{
    Q_OBJECT
public:
    ZDisplay(QString name, QString description);

    void setObjMin(bool b) override;
    bool getObjMin() override;
    void setObjMax(bool b) override;
    bool getObjMax() override;

    QCheckBox *minBox() const { return cbMin; }
    QCheckBox *maxBox() const { return cbMax; }

public slots:
    void slot_min_clicked(bool checked);
    void slot_max_clicked(bool checked);

private:
    QCheckBox *cbMin = nullptr;
    QCheckBox *cbMax = nullptr;
    // Read by computations outside the GUI thread.
    std::atomic<bool> minState{true};
    std::atomic<bool> maxState{false};
};
