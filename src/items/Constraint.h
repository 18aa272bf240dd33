#pragma once

#include "items/Calculus.h"

/// Base of the constraints: argument 1 is the right-hand side, argument 2 the left-hand
/// side; never an argument. The value is the amount of violation.
class Constraint : public Calculus
{
public:
    Constraint();
    virtual ~Constraint();

    void paint(QPainter *p, const QStyleOptionGraphicsItem *option, QWidget *widget) override;
    bool setLink1(Link *link) override { return takeLink(1, link); }
    bool setLink2(Link *link) override { return takeLink(2, link); }
    bool setLink3(Link *) override { return false; }
    bool setLink4(Link *) override { return false; }
    bool setLinkTo(Link *) override { return false; }
    bool setArg1(Calculus *item) override { return takeArg(1, item); }
    bool setArg2(Calculus *item) override { return takeArg(2, item); }
    bool setArg3(Calculus *) override { return false; }
    bool setArg4(Calculus *) override { return false; }
    void setParam(int) override {}
    int getParam() override { return -1; }
};
