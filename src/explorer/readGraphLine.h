#pragma once

#include "graph/BitGraph.h"

#include <QString>

// Strict readers of the lines of a graph list: a line is taken whole or refused, so that a
// list never loads a graph half. The graph's own readers are lenient on purpose (short bit
// fields, any character) and stay as they are.

/// A graph string: the count 0..32 in decimal, one blank, exactly n(n-1)/2 characters 0 or 1.
/// Surrounding white space (a carriage return) is ignored. False, g untouched, otherwise.
bool readGraphStringLine(const QString &line, BitGraph &g);
/// A short-form graph6 line of order 0..32 with exactly the data characters its order needs
/// (codes 63..126). False, g untouched, otherwise.
bool readGraph6Line(const QString &line, BitGraph &g);
/// The graph string of g: count, blank, lower triangle row by row.
QString graphStringOf(const BitGraph &g);
