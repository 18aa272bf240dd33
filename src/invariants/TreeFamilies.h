#pragma once

#include "graph/BitGraph.h"

enum class TreeFamily { Tree, Path, Star, Spider, Caterpillar, Comet, Lobster };

/// Answer of a family predicate. A graph of fewer than two vertices has no answer (valued false,
/// error true); a disconnected one answers false with error set; a connected graph that is not a
/// tree answers false without error; a tree answers by the family's own rule.
struct FamilyAnswer {
    bool valued = false;
    bool error = true;
    bool member = false;
};

FamilyAnswer treeFamilyMember(const BitGraph &g, TreeFamily family);
