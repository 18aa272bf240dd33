#pragma once

#include "items/infoNODE.h"

/// Edge information item ("E_Labels", "E_Hilights"): holds a copy of its n x n argument,
/// which the board hands to the graph drawing as edge labels or highlights.
class infoEDGE : public infoNODE
{
public:
    infoEDGE(QString name, bool graphical);
    void recompute() override;
};
