#pragma once

#include "items/Calculus.h"

#include <QPolygon>

/// The objective: takes a column vector (a value is the 1 x 1 case) and hands the evaluation
/// factor x value, the factor being +1 to minimise and -1 to maximise, so the search always
/// minimises. With both directions set the search treats it both ways.
class Z : public Calculus
{
public:
    explicit Z(bool graphical);
    ~Z() override;

    void paint(QPainter *p, const QStyleOptionGraphicsItem *option, QWidget *widget) override;
    bool setLink1(Link *link) override;
    bool setLink2(Link *) override { return false; }
    bool setLink3(Link *) override { return false; }
    bool setLink4(Link *) override { return false; }
    QString formula() override;
    bool setLinkTo(Link *) override { return false; }
    /// The scaled copy: column 0, rows 1..rows hold factor x argument value.
    QVector<QVector<double>> *getZ() override { return &scaled; }
    bool setArg1(Calculus *item) override { return takeArg(1, item); }
    bool setArg2(Calculus *) override { return false; }
    bool setArg3(Calculus *) override { return false; }
    bool setArg4(Calculus *) override { return false; }
    void setParam(int) override {}
    int getParam() override { return -1; }
    void setMin(bool b) override;
    void setMax(bool b) override;
    /// Takes effect at once: the scaled copy is refilled from the held value.
    void setOptFactor(double f) override;
    /// 0 both directions, 1 minimise only, -1 maximise.
    int getObj() override;
    QString specificInformationToSave() override;
    void recompute() override;

    double optFactor() const { return factor; }
    bool minimise() const { return minFlag; }
    bool maximise() const { return maxFlag; }

private:
    void readDirections();

    std::atomic<bool> minFlag{true};
    std::atomic<bool> maxFlag{false};
    QPolygon downArrow;
    QPolygon upArrow;
    QPolygon doubleArrow;
    QVector<QVector<double>> scaled;
    // Written by painting on the GUI thread, read by computations elsewhere.
    std::atomic<double> factor{1.0};
};
