#include "ConjectureEngine.h"

#include "numerics/Eig.h"

#include <QElapsedTimer>
#include <QTime>
#include <cmath>

namespace
{

const double kTolerance = 1e-6;
// Coefficients at most this small never set the scale of the text.
const double kScaleFloor = 0.001;
const double kScaleCeiling = 1000.0;

qint64 monotonicMs()
{
    QElapsedTimer t;
    t.start();
    return t.msecsSinceReference();
}

QString number(double v)
{
    return QString::number(v, 'g', 6);
}

// True when some vector of the list matches x within 1e-6 in each of x's entries.
bool heldWithin(const QVector<QVector<double>> &list, const QVector<double> &x)
{
    const int n = x.size();
    for (const QVector<double> &p : list) {
        int k = 0;
        while (k < n && std::fabs(x[k] - p[k]) <= kTolerance)
            ++k;
        if (k == n)
            return true;
    }
    return false;
}

// Entry by entry, so that the permutations keep their own storage (no detaching).
void copyState(const QVector<int> &perm, int nbViol, int touching, double sumErr,
               QVector<int> &toPerm, int &toNbViol, int &toTouching, double &toSumErr)
{
    for (int i = 0; i < perm.size(); ++i)
        toPerm[i] = perm[i];
    toNbViol = nbViol;
    toTouching = touching;
    toSumErr = sumErr;
}

void appendTerm(QString &side, const QString &term)
{
    if (side.isEmpty())
        side = term;
    else
        side += QLatin1Char('+') + term;
}

} // namespace

ConjectureEngine::ConjectureEngine(int id) : QThread(nullptr), id(id)
{
    // Records cross to the panel's thread by queued connections.
    qRegisterMetaType<Conjecture *>("Conjecture*");
}

ConjectureEngine::~ConjectureEngine()
{
    stop.store(true);
    wait();
    running.load();
    qDeleteAll(conjectures);
}

void ConjectureEngine::clear()
{
    points.clear();
    graphNos.clear();
    header.clear();
    // A cancel given after set-up but before run() has begun must still count.
    stop.store(false);
    cancelled.store(false);
    setupOpen.store(true);
}

void ConjectureEngine::setSq(bool on)
{
    if (setupOpen.load())
        sq = on;
}

void ConjectureEngine::setProd(bool on)
{
    if (setupOpen.load())
        prod = on;
}

void ConjectureEngine::setCombine(bool on)
{
    if (setupOpen.load())
        combine = on;
}

void ConjectureEngine::setHeader(QStringList names)
{
    if (!setupOpen.load())
        return;
    header = names.toVector();
    points.clear();
    graphNos.clear();
    refused = 0;
    stop.store(false);
    cancelled.store(false);
}

void ConjectureEngine::setWeights(QVector<double> w)
{
    weights = w;
}

void ConjectureEngine::addPoint(QVector<double> x, int graphNo)
{
    if (!setupOpen.load() || x.size() != header.size())
        return;
    for (double v : x) {
        if (!std::isfinite(v)) {
            ++refused;
            return;
        }
    }
    if (heldWithin(points, x))
        return;
    points.append(x);
    graphNos.append(graphNo);
}

void ConjectureEngine::cancel()
{
    cancelled.store(true);
    stop.store(true);
}

void ConjectureEngine::slot_timer()
{
    if (!running.load())
        return;
    const qint64 e = monotonicMs() - startTime.load();
    elapsed.store(e);
    const qint64 l = limit.load();
    if (e >= l)
        stop.store(true);
    emit signal_progress(id, e, l);
}

int ConjectureEngine::randomBelow(int n)
{
    return qrand() % n;
}

void ConjectureEngine::exchange(int a, int b)
{
    const int t = perm[a];
    perm[a] = perm[b];
    perm[b] = t;
}

void ConjectureEngine::addDerivedVariables()
{
    const int d0 = header.size();
    // Callers give one weight per name; a missing one must not be read out of bounds.
    while (weights.size() < d0)
        weights.append(1.0);
    weights.resize(d0);
    if (sq) {
        for (int k = 0; k < d0; ++k) {
            header.append(header[k] + QStringLiteral("^2"));
            weights.append(weights[k] * weights[k]);
            for (QVector<double> &x : points)
                x.append(x[k] * x[k]);
        }
    }
    const int dp = combine ? header.size() : d0;
    if (prod) {
        for (int a = 1; a < dp; ++a) {
            for (int b = 0; b < a; ++b) {
                header.append(QLatin1Char('[') + header[b] + QLatin1Char('*') + header[a] +
                              QLatin1Char(']'));
                weights.append(weights[b] * weights[a]);
                for (QVector<double> &x : points)
                    x.append(x[a] * x[b]);
            }
        }
    }
}

void ConjectureEngine::dropNonFinitePoints()
{
    // Squares and products of large finite values can overflow.
    int kept = 0;
    for (int i = 0; i < points.size(); ++i) {
        bool finite = true;
        for (double v : qAsConst(points[i]))
            finite = finite && std::isfinite(v);
        if (!finite) {
            ++refused;
            continue;
        }
        if (kept != i) {
            points[kept] = points[i];
            graphNos[kept] = graphNos[i];
        }
        ++kept;
    }
    points.resize(kept);
    graphNos.resize(kept);
}

void ConjectureEngine::run()
{
    qDeleteAll(conjectures);
    conjectures.clear();
    startTime.store(monotonicMs());
    qsrand(uint(seed >= 0 ? seed : QTime::currentTime().msec()));
    elapsed.store(0);
    running.store(true);
    emit signal_progress(id, 0, limit.load());
    setupOpen.store(false);
    storedCoefs.clear();

    addDerivedVariables();
    dropNonFinitePoints();
    dim = header.size();
    const int d = dim;
    const int n = points.size();
    searched = n;
    tooFew = d <= 0 || n < 2 * d;

    if (tooFew) {
        emit signal_conjecture(QStringLiteral("Not enough data points to find conjectures. ") +
                               QString::number(d) + QLatin1Char(' ') + QString::number(n));
        emit signal_not_enough_points();
        stop.store(true);
    } else {
        perm.resize(n);
        for (int i = 0; i < n; ++i)
            perm[i] = i;
        loc_perm = perm;
        best_perm = perm;
        violated = QVector<bool>(n, false);
        nbViol = loc_nbViol = best_nbViol = n;
        touching = loc_touching = best_touching = 0;
        sumErr = loc_sumErr = best_sumErr = 0.0;
        boundary.clear();
        boundary.reserve(n);

        magnitude = QVector<double>(d, 0.0);
        for (QVector<double> &x : points) {
            for (int k = 0; k < d; ++k) {
                magnitude[k] = std::max(magnitude[k], std::fabs(x[k]));
                x[k] *= weights[k];
            }
        }
        mean = QVector<double>(d, 0.0);
        m = QVector<QVector<double>>(d, QVector<double>(d, 0.0));
    }

    int cycles = 0;
    while (!stop.load()) {
        bool improved = eval();
        loc_restore();

        for (int pass = 0; pass < 5 && nbViol > 0; ++pass) {
            for (int k = 0; k < d; ++k)
                exchange(k, randomBelow(d));
            int t = 0;
            for (int j = d; j < n; ++j) {
                if (violated[perm[j]]) {
                    exchange(j, t);
                    ++t;
                }
            }
            if (eval())
                improved = true;
        }

        for (int i = 0; i < d; ++i) {
            for (int j = d; j < n; ++j) {
                loc_restore();
                exchange(i, j);
                if (eval())
                    improved = true;
            }
        }
        if (cycleLimit > 0 && ++cycles >= cycleLimit)
            stop.store(true);

        if (improved && !stop.load())
            continue;

        best_restore();
        for (int r = 0; r < 1000; ++r) {
            const int r1 = randomBelow(n - d);
            const int r2 = randomBelow(d);
            exchange(d + r1, r2);
        }
        loc_backup();
    }

    // A cancel (the user's, or the application quitting) is answered at once, sorted or not:
    // the panel sorts what it collects anyway. Before clear(), which forgets the cancel.
    Conjecture::sortBestFirst(conjectures, [this] { return cancelled.load(); });
    clear();
    running.store(false);
    emit signal_complete();
    // Again once the signal is out: read after waiting for the thread, it hands over all the
    // run did, which the sanitizer cannot learn from the join inside Qt.
    running.store(false);
}

bool ConjectureEngine::eval()
{
    compute_m();
    {
        const Eig eig(m, dim);
        normal = eig.eigvec(dim - 1);
    }
    update_stats();
    if (nbViol == 0)
        store();
    if (nbViol < loc_nbViol || (nbViol == loc_nbViol && loc_sumErr > sumErr)) {
        loc_backup();
        if (nbViol < best_nbViol || (nbViol == best_nbViol && best_sumErr > sumErr))
            best_backup();
        return true;
    }
    loc_restore();
    return false;
}

void ConjectureEngine::compute_m()
{
    const int d = dim;
    for (int a = 0; a < d; ++a) {
        mean[a] = 0.0;
        for (int b = 0; b < d; ++b)
            m[a][b] = 0.0;
    }
    for (int s = 0; s < d; ++s) {
        const QVector<double> &x = points[perm[s]];
        for (int a = 0; a < d; ++a)
            mean[a] += x[a];
    }
    for (int a = 0; a < d; ++a)
        mean[a] /= d;
    for (int a = 0; a < d; ++a) {
        for (int b = 0; b < d; ++b) {
            for (int s = 0; s < d; ++s) {
                const QVector<double> &x = points[perm[s]];
                m[a][b] += (x[a] - mean[a]) * (x[b] - mean[b]);
            }
        }
    }
}

void ConjectureEngine::update_stats()
{
    const int d = dim;
    nbViol = 0;
    touching = 0;
    sumErr = 0.0;
    boundary.resize(0);
    offset = 0.0;
    for (int k = 0; k < d; ++k)
        offset += normal[k] * mean[k];
    for (int i = 0; i < points.size(); ++i) {
        const QVector<double> &x = points[i];
        double dot = 0.0;
        for (int k = 0; k < d; ++k)
            dot += normal[k] * x[k];
        const double err = dot - offset;
        if (std::fabs(err) < kTolerance) {
            violated[i] = false;
            if (!boundary.contains(graphNos[i])) {
                boundary.append(graphNos[i]);
                ++touching;
            }
        } else if (err > kTolerance) {
            violated[i] = true;
            ++nbViol;
        } else {
            violated[i] = false;
            sumErr += err * err;
        }
    }
}

void ConjectureEngine::store()
{
    // A relation with no point on its boundary says nothing about any graph (this
    // also catches a normal spoilt by non-finite arithmetic).
    if (boundary.isEmpty())
        return;
    const int d = dim;
    QVector<double> c(d);
    for (int k = 0; k < d; ++k)
        c[k] = normal[k] * weights[k];
    if (heldWithin(storedCoefs, c))
        return;
    // A hyperplane along a column that is 0 on every point (a constant item in the table)
    // holds everywhere and names no variable: it says nothing about any graph.
    bool namesVariable = false;
    for (int k = 0; k < d && !namesVariable; ++k)
        namesVariable = std::fabs(c[k]) * magnitude.value(k, 1.0) > kTolerance;
    if (!namesVariable)
        return;
    const QString text = relationText(c, offset, header, magnitude);
    Conjecture *record = new Conjecture(text, c, offset, touching, sumErr, boundary);
    conjectures.append(record);
    emit signal_conjecture(consoleText(text, touching, sumErr, id));
    emit signal_new_conjecture(record);
    storedCoefs.append(c);
}

QString ConjectureEngine::relationText(const QVector<double> &coefs, double offset,
                                       const QVector<QString> &names,
                                       const QVector<double> &magnitude)
{
    double scale = kScaleCeiling;
    for (double c : coefs) {
        const double a = std::fabs(c);
        if (a > kScaleFloor && a < scale)
            scale = a;
    }
    QString left, right;
    for (int k = 0; k < coefs.size(); ++k) {
        const double c = coefs[k];
        // Judged by the term's largest value over the points, not by c alone, so that
        // the text holds wherever the relation does.
        if (!(std::fabs(c) * magnitude.value(k, 1.0) > kTolerance))
            continue;
        const QString term = number(std::fabs(c) / scale) + QLatin1Char(' ') + names.value(k);
        appendTerm(c > 0.0 ? left : right, term);
    }
    const QString off = number(std::fabs(offset) / scale);
    if (!left.isEmpty()) {
        if (offset > kTolerance)
            appendTerm(right, off);
        else if (offset < -kTolerance)
            appendTerm(left, off);
        if (right.isEmpty())
            right = QStringLiteral("0");
        return left + QStringLiteral(" <= ") + right;
    }
    if (offset > kTolerance)
        appendTerm(right, off);
    else if (offset < -kTolerance)
        left = off;
    if (left.isEmpty())
        left = QStringLiteral("0");
    return right + QStringLiteral(" >= ") + left;
}

QString ConjectureEngine::consoleText(const QString &relation, int touching, double sumErr, int id)
{
    return relation + QStringLiteral(" [") + QString::number(touching) + QStringLiteral(" ; ") +
           number(sumErr) + QStringLiteral("] <") + QString::number(id) + QLatin1Char('>');
}

void ConjectureEngine::loc_backup()
{
    copyState(perm, nbViol, touching, sumErr, loc_perm, loc_nbViol, loc_touching, loc_sumErr);
}

void ConjectureEngine::loc_restore()
{
    copyState(loc_perm, loc_nbViol, loc_touching, loc_sumErr, perm, nbViol, touching, sumErr);
}

void ConjectureEngine::best_backup()
{
    copyState(perm, nbViol, touching, sumErr, best_perm, best_nbViol, best_touching, best_sumErr);
}

void ConjectureEngine::best_restore()
{
    copyState(best_perm, best_nbViol, best_touching, best_sumErr, perm, nbViol, touching, sumErr);
}
