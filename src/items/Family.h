#pragma once

#include "items/Calculus.h"

/// Base of the graph families: one yes/no value, no argument, never an argument.
class Family : public Calculus
{
public:
    Family();
    virtual ~Family();

    void paint(QPainter *p, const QStyleOptionGraphicsItem *option, QWidget *widget) override;
    bool setLink1(Link *) override { return false; }
    bool setLink2(Link *) override { return false; }
    bool setLink3(Link *) override { return false; }
    bool setLink4(Link *) override { return false; }
    QString formula() override { return name; }
    bool setLinkTo(Link *) override { return false; }
    bool setArg1(Calculus *) override { return false; }
    bool setArg2(Calculus *) override { return false; }
    bool setArg3(Calculus *) override { return false; }
    bool setArg4(Calculus *) override { return false; }
    void setParam(int) override {}
    int getParam() override { return -1; }
};
