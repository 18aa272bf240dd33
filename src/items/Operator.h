#pragma once

#include "items/Calculus.h"

/// Base of the operators: up to four arguments, usable as arguments of others. A leaf
/// answers false from the slots it does not use.
class Operator : public Calculus
{
public:
    Operator();
    virtual ~Operator();

    void paint(QPainter *p, const QStyleOptionGraphicsItem *option, QWidget *widget) override;
    bool setLink1(Link *link) override { return takeLink(1, link); }
    bool setLink2(Link *link) override { return takeLink(2, link); }
    bool setLink3(Link *link) override { return takeLink(3, link); }
    bool setLink4(Link *link) override { return takeLink(4, link); }
    bool setLinkTo(Link *link) override { return takeLinkTo(link); }
    bool setArg1(Calculus *item) override { return takeArg(1, item); }
    bool setArg2(Calculus *item) override { return takeArg(2, item); }
    bool setArg3(Calculus *item) override { return takeArg(3, item); }
    bool setArg4(Calculus *item) override { return takeArg(4, item); }
    void setParam(int) override {}
    int getParam() override { return -1; }
};
