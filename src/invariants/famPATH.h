#pragma once

#include "items/Family.h"

/// Whether the graph is a path; an error below two vertices or when disconnected.
class famPATH : public Family
{
public:
    explicit famPATH(bool graphical);
    void recompute() override;
};
