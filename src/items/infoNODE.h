#pragma once

#include "items/Calculus.h"

/// Vertex information item ("Colors", "Labels"): holds a copy of its argument's first column,
/// which the board hands to the graph drawing as vertex colours or labels.
class infoNODE : public Calculus
{
public:
    infoNODE(QString name, bool graphical);

    void paint(QPainter *p, const QStyleOptionGraphicsItem *option, QWidget *widget) override;
    bool setLink1(Link *link) override;
    bool setLink2(Link *) override { return false; }
    bool setLink3(Link *) override { return false; }
    bool setLink4(Link *) override { return false; }
    QString formula() override;
    bool setLinkTo(Link *) override { return false; }
    bool setArg1(Calculus *item) override;
    bool setArg2(Calculus *) override { return false; }
    bool setArg3(Calculus *) override { return false; }
    bool setArg4(Calculus *) override { return false; }
    void setParam(int) override {}
    int getParam() override { return -1; }
    void recompute() override;

protected:
    /// Construction shared with the edge information item.
    void initInfo(const QString &keyword, bool graphical);
    /// setArg1 of both information items.
    bool takeInfoArg(Calculus *item);
    void paintDiamond(QPainter *p);
    struct Tag {
    };
    explicit infoNODE(Tag) {}
};
