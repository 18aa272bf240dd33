#pragma once

#include "invariants/TreeFamilies.h"
#include "items/Calculus.h"

/// Writes a family answer: no value and an error below two vertices, else 1.0 or 0.0 with the
/// answer's error flag (set for a disconnected graph).
inline void answerFamily(Calculus &item, const FamilyAnswer &answer)
{
    if (!answer.valued) {
        item.error = true;
        item.rows = item.cols = 0;
        return;
    }
    item.error = answer.error;
    item.rows = item.cols = 1;
    item.M[0][0] = answer.member ? 1.0 : 0.0;
}
