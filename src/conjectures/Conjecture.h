#pragma once

#include <QMetaType>
#include <QString>
#include <QVector>

#include <functional>

/// One linear relation found by the conjecture search, with its score.
/// The relation is sum of coefs[k] * v_k <= offset over the search's variables;
/// formula is its readable form, written with a common positive scale.
class Conjecture
{
public:
    Conjecture(QString formula, QVector<double> coefs, double offset, int touching, double sumErr,
               QVector<int> support);
    explicit Conjecture(Conjecture *other);
    Conjecture(const Conjecture &other) = default;
    Conjecture &operator=(const Conjecture &other) = default;
    ~Conjecture() = default;

    QString getFormula() const { return formula; }
    int getTouching() const { return touching; }
    double getSumErr() const { return sumErr; }
    QVector<double> getCoefs() const { return coefs; }
    double getOffset() const { return offset; }
    QVector<int> getSupport() const { return support; }

    /// True when this relation is the weaker one: fewer boundary graphs, or as many
    /// and a sum of squared slacks larger by at least 1e-6, a NaN sum being larger than any
    /// other but another NaN. Never true both ways, at any magnitude, so that sortBestFirst()
    /// ends.
    bool operator<(Conjecture other) const;
    /// Same boundary count, coefficients within 1e-6 index by index, and sums within 1e-6
    /// or, for large sums, within 1e-8 of the smaller; infinite sums equal only the same
    /// infinity, and a NaN sum only a NaN sum.
    bool operator==(Conjecture other) const;

    /// Best first: neighbours exchanged while the first is less than the second, so that
    /// records whose sums lie within 1e-6 keep their order. Gives up, the list partly
    /// sorted, as soon as `stopped` (checked once a pass) returns true.
    static void sortBestFirst(QVector<Conjecture *> &list,
                              const std::function<bool()> &stopped = {});

private:
    static bool less(const Conjecture &a, const Conjecture &b);

    QString formula;
    int touching;
    double sumErr;
    QVector<double> coefs;
    double offset;
    QVector<int> support;
};

Q_DECLARE_METATYPE(Conjecture *)
