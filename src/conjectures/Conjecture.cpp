#include "Conjecture.h"

#include <cmath>
#include <utility>

namespace
{
const double kTolerance = 1e-6;
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
    if (touching != other.touching)
        return touching < other.touching;
    return sumErr >= other.sumErr + kTolerance;
}

bool Conjecture::operator==(Conjecture other) const
{
    // Written as !(x <= tol) so that a NaN never compares equal.
    if (!(std::fabs(double(touching) - double(other.touching)) <= kTolerance))
        return false;
    if (!(std::fabs(sumErr - other.sumErr) <= kTolerance))
        return false;
    if (coefs.size() != other.coefs.size())
        return false;
    for (int k = 0; k < coefs.size(); ++k)
        if (!(std::fabs(coefs[k] - other.coefs[k]) <= kTolerance))
            return false;
    return true;
}

void Conjecture::sortBestFirst(QVector<Conjecture *> &list)
{
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (int k = 0; k + 1 < list.size(); ++k) {
            if (*list[k] < *list[k + 1]) {
                std::swap(list[k], list[k + 1]);
                swapped = true;
            }
        }
    }
}
