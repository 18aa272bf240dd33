#include "items/BuildCalculus.h"

#include "items/Calculus.h"

// Item classes: the one place in items/ that includes the higher folders.
#include "invariants/invDEGMAX.h"
#include "invariants/invDEGMIN.h"
#include "invariants/invDEGREES.h"
#include "invariants/invKCHERRIES.h"
#include "invariants/invORDER.h"
#include "invariants/invPENDING.h"
#include "invariants/invSIZE.h"
#include "items/Z.h"
#include "items/invConstant.h"

#include <cstdio>

namespace
{

template <class T> Calculus *make(bool graphical)
{
    return new T(graphical);
}

struct CatalogueRow {
    const char *keyword;
    Calculus *(*create)(bool graphical);
};

// One row per keyword, in alphabetical order of keyword (byte order, so "+" and "<" come
// first). The objective keywords build Z and then set its direction, for instance
//   {"MAXMIN", [](bool g) -> Calculus * { Calculus *z = new Z(g); z->setMax(true);
//                                         z->setMin(true); return z; }},
// The direction keywords set the two flags in this order, so the dialog ends consistent.
Calculus *makeObjective(bool graphical, bool minimise, bool maximise)
{
    Z *z = new Z(graphical);
    if (minimise && !maximise) {
        z->setMin(true);
        z->setMax(false);
    } else {
        z->setMax(true);
        z->setMin(minimise);
    }
    return z;
}

const CatalogueRow catalogue[] = {
    {"CONSTANT", &make<invConstant>},
    {"DEGMAX", &make<invDEGMAX>},
    {"DEGMIN", &make<invDEGMIN>},
    {"DEGREES", &make<invDEGREES>},
    {"KCHERRIES", &make<invKCHERRIES>},
    {"MAXIMIZE", [](bool g) { return makeObjective(g, false, true); }},
    {"MAXMIN", [](bool g) { return makeObjective(g, true, true); }},
    {"MINIMIZE", [](bool g) { return makeObjective(g, true, false); }},
    {"OBJECTIVE", &make<Z>},
    {"ORDER", &make<invORDER>},
    {"PENDING", &make<invPENDING>},
    {"SIZE", &make<invSIZE>},
    {"Z", &make<Z>},
};

} // namespace

BuildCalculus::BuildCalculus()
{
    InvariantsVal << "AVDIST"
                  << "BALABAN"
                  << "CLAWS"
                  << "CLIQMAX"
                  << "CHROMATIC"
                  << "DEGMAX"
                  << "DEGMIN"
                  << "DIAMETER"
                  << "DOMINATION"
                  << "ENERGY"
                  << "GIRTH"
                  << "HARARY"
                  << "K4"
                  << "KIRCHHOFF"
                  << "NCONN"
                  << "ORDER"
                  << "PENDING"
                  << "PLATT"
                  << "RADIUS"
                  << "RANDIC"
                  << "SIZE"
                  << "STABLEMAX"
                  << "SZEGED"
                  << "TRIANGLES"
                  << "WIENER"
                  << "ZAGREBM1"
                  << "ZAGREBM2";
    InvariantsVec << "CENTRALITY"
                  << "CLOSENESS"
                  << "CUTCENTRALITY"
                  << "CHROMATICVAL"
                  << "DCENTRALITY"
                  << "DCENTRALITY2"
                  << "DEGREES"
                  << "DISTCLOSESTLEAF"
                  << "ECCENTRICITY"
                  << "HARMONIC"
                  << "IINDEX"
                  << "INCLIQMAX"
                  << "INDOMINATION"
                  << "INSTABLEMAX"
                  << "KCHERRIES"
                  << "NUMERO"
                  << "ONEVEC"
                  << "SUMDISTP"
                  << "TRANSMISSION";
    InvariantsMat << "ADJACENCY"
                  << "BETWEENNESS"
                  << "COMNEIGH"
                  << "DBETW"
                  << "DBETW2"
                  << "DISTANCES"
                  << "EINCLIQMAX"
                  << "IDENTITY"
                  << "INGIRTH"
                  << "INPCC"
                  << "INDIAMETER"
                  << "LAPLACIAN"
                  << "MODULARITY"
                  << "NLAPLACIAN"
                  << "ONEMAT"
                  << "SLLAPLACIAN";
    Operators << "CONSTANT";
    InvariantsFam << "CATERPILLAR"
                  << "COMET"
                  << "LOBSTER"
                  << "PATH"
                  << "SPIDER"
                  << "STAR"
                  << "TREE";
    Operators << "+"
              << "-"
              << "*"
              << ".*"
              << "/"
              << "ADDCOLS"
              << "ANGLE"
              << "ABS"
              << "CENTER"
              << "CEIL"
              << "CHOLESKY"
              << "COLUMN"
              << "CORR"
              << "DETERMINANT"
              << "DIAG"
              << "DPALINDROMIC"
              << "ECORR"
              << "EIGENVALUES"
              << "EIGENVECTORS"
              << "EUCLIDIANDIST"
              << "EXP"
              << "FIRST"
              << "FLOOR"
              << "IFGE"
              << "INERTIA"
              << "LAPLACIANOF"
              << "LAST"
              << "MANHATTANDIST"
              << "MAX"
              << "MAXCOL"
              << "MAXROW"
              << "MIN"
              << "MMAX"
              << "MMIN"
              << "MOMENT"
              << "NBEQ"
              << "NBVALUES"
              << "NORMALIZEMAT"
              << "ROW"
              << "SECOND"
              << "SORT"
              << "SQRT"
              << "SUM"
              << "SUMCOL"
              << "SUMGE"
              << "SUMPRODUCT"
              << "SUMROW"
              << "TRANSPOSE"
              << "VALUE AT"
              << "VAR";
    Constraints << "<"
                << "<="
                << "=="
                << ">="
                << ">"
                << "CONNECTED";
    All << InvariantsVal << InvariantsVec << InvariantsMat << InvariantsFam << Operators
        << Constraints << "Z"
        << "OBJECTIVE"
        << "MINIMIZE"
        << "MAXIMIZE"
        << "MAXMIN";
}

int BuildCalculus::type(const QString &keyword) const
{
    for (const char *objective : {"Z", "OBJECTIVE", "MINIMIZE", "MAXIMIZE", "MAXMIN"})
        if (keyword == QLatin1String(objective))
            return 5;
    if (InvariantsVal.contains(keyword) || InvariantsVec.contains(keyword) ||
        InvariantsMat.contains(keyword))
        return 1;
    if (InvariantsFam.contains(keyword))
        return 2;
    if (Operators.contains(keyword))
        return 3;
    if (Constraints.contains(keyword))
        return 4;
    return 0;
}

Calculus *BuildCalculus::makeCalculus(const QString &keyword, bool graphical) const
{
    for (const CatalogueRow &row : catalogue)
        if (keyword == QLatin1String(row.keyword))
            return row.create(graphical);
    const QByteArray line = keyword.toUtf8() + " unknown!!\n";
    std::fputs(line.constData(), stderr);
    std::fflush(stderr);
    return nullptr;
}

Calculus *BuildCalculus::makeConstant(bool graphical) const
{
    return makeCalculus(QStringLiteral("CONSTANT"), graphical);
}

QStringList BuildCalculus::registeredKeywords()
{
    QStringList keywords;
    for (const CatalogueRow &row : catalogue)
        keywords << QLatin1String(row.keyword);
    return keywords;
}

QString BuildCalculus::Documentation(const QString &category) const
{
    QStringList keywords;
    if (category == QLatin1String("InvariantsVal"))
        keywords = InvariantsVal;
    else if (category == QLatin1String("InvariantsVec"))
        keywords = InvariantsVec;
    else if (category == QLatin1String("InvariantsMat"))
        keywords = InvariantsMat;
    else if (category == QLatin1String("InvariantsFam"))
        keywords = InvariantsFam;
    else if (category == QLatin1String("Operators"))
        keywords = Operators;
    else if (category == QLatin1String("Constraints"))
        keywords = Constraints;
    else if (category == QLatin1String("All"))
        keywords = All;
    if (keywords.isEmpty())
        keywords << category;

    QString text;
    for (const QString &keyword : keywords) {
        Calculus *item = makeCalculus(keyword, false);
        if (!item)
            continue;
        text += item->textDocumentation();
        delete item;
    }
    return text;
}

QString BuildCalculus::toolTip(const QString &keyword) const
{
    Calculus *item = makeCalculus(keyword, true);
    if (!item)
        return QStringLiteral("Undefined object.");
    const QString text = item->name + QStringLiteral(": ") + item->textDocumentation();
    delete item;
    return text;
}

QString BuildCalculus::latexDefinition(const QString &keyword) const
{
    Calculus *item = makeCalculus(keyword, false);
    if (!item)
        return QStringLiteral("Undefined object.");
    const QString text = item->latexDocumentation() + QStringLiteral("\\n\\n");
    delete item;
    return text;
}

QString BuildCalculus::textDefinition(const QString &keyword) const
{
    Calculus *item = makeCalculus(keyword, false);
    if (!item)
        return QStringLiteral("Undefined object.");
    const QString text = item->textDocumentation();
    delete item;
    return text;
}
