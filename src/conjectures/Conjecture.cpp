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

// True when a and b may be the sums of one relation reported twice: within 1e-6 or within
// 1e-8 of the smaller, the same infinity, or both NaN.
bool sameSum(double a, double b)
{
    // Sums overflow to infinity on values near 1e200. inf - inf is NaN and the margin would
    // be infinite, so infinities are compared as they are.
    if (std::isnan(a) || std::isnan(b))
        return std::isnan(a) && std::isnan(b);
    if (std::isinf(a) || std::isinf(b))
        return a == b;
    const double margin =
        std::max(kTolerance, kRelativeSumTolerance * std::min(std::fabs(a), std::fabs(b)));
    return std::fabs(a - b) <= margin;
}
} // namespace

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
    // A NaN sum is the weakest: were it never ordered, the neighbour sort could move no
    // record past it.
    if (std::isnan(a.sumErr) || std::isnan(b.sumErr))
        return !std::isnan(b.sumErr);
    // Strictly larger too: from about 1e10 on, adding 1e-6 changes nothing, and two equal sums
    // would each be less than the other.
    return a.sumErr >= b.sumErr + kTolerance && a.sumErr > b.sumErr;
}

bool Conjecture::operator==(Conjecture other) const
{
    // Written as !(x <= tol) so that a NaN never compares equal.
    if (!(std::fabs(double(touching) - double(other.touching)) <= kTolerance))
        return false;
    if (!sameSum(sumErr, other.sumErr))
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
