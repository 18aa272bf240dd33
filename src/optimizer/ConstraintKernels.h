#pragma once

#include "graph/BitGraph.h"

#include <cstdint>

/// The comparison a relational constraint asks of each pair (a of argument 1, b of argument 2).
enum class Relation { EQ, GE, GT, LE, LT };

/// True when argument 2 (r2 x c2) can be paired with argument 1 (r1 x c1): both hold at least
/// one element, and argument 2 is a single value, a column of r1 rows, a row of c1 columns or
/// of argument 1's shape.
inline bool relationShapesPair(int r1, int c1, int r2, int c2)
{
    if (r1 <= 0 || c1 <= 0 || r2 <= 0 || c2 <= 0)
        return false;
    return !((c2 >= 2 && c1 != c2) || (r2 >= 2 && r1 != r2));
}

namespace relation_detail
{
template <Relation R, class Matrix>
double sumPenalties(const Matrix &A, int r1, int c1, const Matrix &B, int r2, int c2)
{
    const double tol = 1e-6;
    double sum = 0.0;
    for (int i = 0; i < r1; ++i) {
        const int bi = r2 == 1 ? 0 : i;
        for (int j = 0; j < c1; ++j) {
            const double a = A[i][j];
            const double b = B[bi][c2 == 1 ? 0 : j];
            const double d = (a - b) * (a - b);
            // Comparisons with a NaN are false, so such a pair adds nothing except for EQ.
            if (R == Relation::EQ)
                sum += d;
            else if (R == Relation::GE && b > a + tol)
                sum += d;
            else if (R == Relation::GT && b > a - tol)
                sum += d + 1.0;
            else if (R == Relation::LE && a - tol > b)
                sum += d;
            else if (R == Relation::LT && a + tol > b)
                sum += d + 1.0;
        }
    }
    return sum;
}
} // namespace relation_detail

/// Sum of the penalties of the pairs that break `a rel b`, rows of A outer, columns inner;
/// B is repeated by its shape. Shapes must pair (relationShapesPair). Matrix: rows indexable
/// twice, as QVector<QVector<double>> or std::vector<std::vector<double>>.
template <class Matrix>
double relationViolation(Relation rel, const Matrix &A, int r1, int c1, const Matrix &B, int r2,
                         int c2)
{
    using namespace relation_detail;
    switch (rel) {
    case Relation::EQ:
        return sumPenalties<Relation::EQ>(A, r1, c1, B, r2, c2);
    case Relation::GE:
        return sumPenalties<Relation::GE>(A, r1, c1, B, r2, c2);
    case Relation::GT:
        return sumPenalties<Relation::GT>(A, r1, c1, B, r2, c2);
    case Relation::LE:
        return sumPenalties<Relation::LE>(A, r1, c1, B, r2, c2);
    case Relation::LT:
        return sumPenalties<Relation::LT>(A, r1, c1, B, r2, c2);
    }
    return 0.0;
}

/// Number of connected components of g minus 1; 0 for a graph of at most one vertex.
int componentsMinusOne(const BitGraph &g);
