#include "Conjecture.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace
{
const double kTolerance = 1e-6;
// Sums of squared slacks over rows holding 1e12 (an undefined item) reach 1e25, where one
// relation found by two engines comes with sums apart by parts in 1e9: its normal is rounded
// differently from each support (parts in 1e15 by the arithmetic alone). 1e-8 covers that
// and stays well inside what coefficients equal within 1e-6 already allow for such sums.
const double kRelativeSumTolerance = 1e-8;
}

Conjecture::Conjecture(QString formula, QVector<double> coefs, double offset, int touching,
                       double sumErr, QVector<int> support)
    : formula(formula), touching(touching), sumErr(sumErr), coefs(coefs), offset(offset),
      support(support)
{
}

Conjecture::Conjecture(Conjecture *other)
    : formula(other->getFormula()), touching(other->getTouching()), sumErr(other->getSumErr()),
      coefs(other->getCoefs()), offset(other->getOffset()), support(other->getSupport())
{
}

bool Conjecture::operator<(Conjecture other) const
{
    return less(*this, other);
}

bool Conjecture::less(const Conjecture &a, const Conjecture &b)
{
    if (a.touching != b.touching)
        return a.touching < b.touching;
    // Strictly larger too: from about 1e10 on, adding 1e-6 changes nothing, and two equal sums
    // would each be less than the other. NaN is never less.
    return a.sumErr >= b.sumErr + kTolerance && a.sumErr > b.sumErr;
}

bool Conjecture::operator==(Conjecture other) const
{
    // Written as !(x <= tol) so that a NaN never compares equal.
    if (!(std::fabs(double(touching) - double(other.touching)) <= kTolerance))
        return false;
    // Relative to the smaller, so that an infinite sum equals no finite one.
    const double margin = std::max(
        kTolerance, kRelativeSumTolerance * std::min(std::fabs(sumErr), std::fabs(other.sumErr)));
    if (!(std::fabs(sumErr - other.sumErr) <= margin))
        return false;
    if (coefs.size() != other.coefs.size())
        return false;
    for (int k = 0; k < coefs.size(); ++k)
        if (!(std::fabs(coefs[k] - other.coefs[k]) <= kTolerance))
            return false;
    return true;
}

void Conjecture::sortBestFirst(QVector<Conjecture *> &list, const std::function<bool()> &stopped)
{
    bool swapped = true;
    while (swapped && !(stopped && stopped())) {
        swapped = false;
        for (int k = 0; k + 1 < list.size(); ++k) {
            if (less(*list[k], *list[k + 1])) {
                std::swap(list[k], list[k + 1]);
                swapped = true;
            }
        }
    }
}
