#pragma once

#include "items/Calculus.h"

/// Base of the graph invariants: no argument of their own, usable as arguments of others.
class Invariant : public Calculus
{
public:
    Invariant();
    virtual ~Invariant();

    void paint(QPainter *p, const QStyleOptionGraphicsItem *option, QWidget *widget) override;
    bool setLink1(Link *) override { return false; }
    bool setLink2(Link *) override { return false; }
    bool setLink3(Link *) override { return false; }
    bool setLink4(Link *) override { return false; }
    /// The keyword followed by "(G)", or "(GBAR)" on the complement.
    QString formula() override;
    bool setLinkTo(Link *link) override { return takeLinkTo(link); }
    bool setArg1(Calculus *) override { return false; }
    bool setArg2(Calculus *) override { return false; }
    bool setArg3(Calculus *) override { return false; }
    bool setArg4(Calculus *) override { return false; }
    void setParam(int) override {}
    int getParam() override { return -1; }
};
