#pragma once

#include "items/Family.h"

/// Whether the graph is a spider; an error below two vertices or when disconnected.
class famSPIDER : public Family
{
public:
    explicit famSPIDER(bool graphical);
    void recompute() override;
};
