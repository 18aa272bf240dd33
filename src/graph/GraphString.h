#pragma once

#include "graph/BitGraph.h"

#include <QString>

// The one-line text forms of a graph, as plain functions: no widget, no lock.
//
// Graph string: the order in decimal, one blank, then one "0" or "1" per pair of the lower
// triangle row by row, (1,0), (2,0), (2,1), (3,0), ... graph6: the published short form, one
// character for the order (code - 63), then six bits per character over the upper triangle
// column by column, (0,1), (0,2), (1,2), (0,3), ...
//
// Two graph-string readers: the graph and its files read leniently, a graph list reads strictly
// so that a list never loads a graph half.

/// Graph string of g; a graph of 0 or 1 vertex is its digit and the blank.
QString writeGraphString(const BitGraph &g);

/// graph6 line of g (order 0 to 32), without header or line end.
QByteArray writeGraph6(const BitGraph &g);

/// Reads a graph string into out. The count ends at the first blank (no blank: no bit field);
/// a count that is not a number reads as 0; in the bit field only "1" is an edge, missing
/// characters are non-edges and surplus ones are ignored, as is anything after a second
/// blank. False, with out unchanged, when the count is a whole number outside 0..32.
bool readGraphString(const QString &text, BitGraph &out);

/// Reads one line of a graph list: the count 0..32 in one or two digits, one blank, exactly
/// n(n-1)/2 characters "0" or "1", then at most a line end. False, out unchanged, otherwise.
bool readGraphStringStrict(const QString &line, BitGraph &out);

/// Reads one graph6 line of order 0 to 32 into out, after an optional ">>graph6<<" header;
/// only a line end may follow the data. False, with out unchanged, for anything else.
bool readGraph6(const QString &line, BitGraph &out);

/// Whether line is the ">>graph6<<" header alone (a line end may follow): a list that starts
/// with it holds no graph on that line.
bool isGraph6Header(const QString &line);
