#pragma once

#include "operators/OperatorItem.h"

/// Distance of a row or column vector to a palindrome.
class operDPALINDROMIC : public OperatorItem
{
public:
    explicit operDPALINDROMIC(bool graphical);
    void recompute() override;
};
