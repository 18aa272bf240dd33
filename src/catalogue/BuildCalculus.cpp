#include "catalogue/BuildCalculus.h"

#include "items/Calculus.h"

// Item classes: the one place in items/ that includes the higher folders.
#include "invariants/famCATERPILLAR.h"
#include "invariants/famCOMET.h"
#include "invariants/famLOBSTER.h"
#include "invariants/famPATH.h"
#include "invariants/famSPIDER.h"
#include "invariants/famSTAR.h"
#include "invariants/famTREE.h"
#include "invariants/invADJACENCY.h"
#include "invariants/invAVDIST.h"
#include "invariants/invBALABAN.h"
#include "invariants/invBETWEENNESS.h"
#include "invariants/invCENTRALITY.h"
#include "invariants/invCHROMATIC.h"
#include "invariants/invCHROMATICVAL.h"
#include "invariants/invCLAWS.h"
#include "invariants/invCLIQMAX.h"
#include "invariants/invCLOSENESS.h"
#include "invariants/invCOMNEIGH.h"
#include "invariants/invCUTCENTRALITY.h"
#include "invariants/invDBETWEENNESS.h"
#include "invariants/invDBETWEENNESS2.h"
#include "invariants/invDCENTRALITY.h"
#include "invariants/invDCENTRALITY2.h"
#include "invariants/invDEGMAX.h"
#include "invariants/invDEGMIN.h"
#include "invariants/invDEGREES.h"
#include "invariants/invDIAMETER.h"
#include "invariants/invDISTANCE.h"
#include "invariants/invDISTCLOSESTLEAF.h"
#include "invariants/invDOMINATION.h"
#include "invariants/invECCENTRICITY.h"
#include "invariants/invEINCLIQMAX.h"
#include "invariants/invENERGY.h"
#include "invariants/invGIRTH.h"
#include "invariants/invHARARY.h"
#include "invariants/invHARMONIC.h"
#include "invariants/invIDENTITY.h"
#include "invariants/invIINDEX.h"
#include "invariants/invINCLIQMAX.h"
#include "invariants/invINDIAMETER.h"
#include "invariants/invINDOMINATION.h"
#include "invariants/invINGIRTH.h"
#include "invariants/invINPCC.h"
#include "invariants/invINSTABLEMAX.h"
#include "invariants/invK4.h"
#include "invariants/invKCHERRIES.h"
#include "invariants/invKIRCHHOFF.h"
#include "invariants/invLAPLACIAN.h"
#include "invariants/invMODULARITY.h"
#include "invariants/invNBETWEENNESS.h"
#include "invariants/invNCONN.h"
#include "invariants/invNLAPLACIAN.h"
#include "invariants/invNUMERO.h"
#include "invariants/invONEMAT.h"
#include "invariants/invONEVEC.h"
#include "invariants/invORDER.h"
#include "invariants/invPENDING.h"
#include "invariants/invPLATT.h"
#include "invariants/invRADIUS.h"
#include "invariants/invRANDIC.h"
#include "invariants/invSIZE.h"
#include "invariants/invSLLAPLACIAN.h"
#include "invariants/invSTABLEMAX.h"
#include "invariants/invSUMDISTP.h"
#include "invariants/invSZEGED.h"
#include "invariants/invTRANSMISSION.h"
#include "invariants/invTRIANGLES.h"
#include "invariants/invWIENER.h"
#include "invariants/invZAGREBM1.h"
#include "invariants/invZAGREBM2.h"
#include "items/Z.h"
#include "items/invConstant.h"
#include "operators/operABS.h"
#include "operators/operADD.h"
#include "operators/operADDCOLS.h"
#include "operators/operANGLE.h"
#include "operators/operCEIL.h"
#include "operators/operCENTER.h"
#include "operators/operCHOLESKY.h"
#include "operators/operCOL.h"
#include "operators/operCORR.h"
#include "operators/operDETERMINANT.h"
#include "operators/operDIAG.h"
#include "operators/operDIV.h"
#include "operators/operDPALINDROMIC.h"
#include "operators/operECORR.h"
#include "operators/operEIG.h"
#include "operators/operEIGVEC.h"
#include "operators/operEUCLIDIANDIST.h"
#include "operators/operEXP.h"
#include "operators/operFIRST.h"
#include "operators/operFLOOR.h"
#include "operators/operIFGE.h"
#include "operators/operINERTIA.h"
#include "operators/operLAPLACIANOF.h"
#include "operators/operLAST.h"
#include "operators/operMANHATTANDIST.h"
#include "operators/operMAX.h"
#include "operators/operMAXCOL.h"
#include "operators/operMAXROW.h"
#include "operators/operMIN.h"
#include "operators/operMMAX.h"
#include "operators/operMMIN.h"
#include "operators/operMOMENT.h"
#include "operators/operMULT.h"
#include "operators/operMULTTERMS.h"
#include "operators/operNBEQ.h"
#include "operators/operNBVALUES.h"
#include "operators/operNORMALIZEMAT.h"
#include "operators/operROW.h"
#include "operators/operSECOND.h"
#include "operators/operSORT.h"
#include "operators/operSQRT.h"
#include "operators/operSUBSTRACT.h"
#include "operators/operSUM.h"
#include "operators/operSUMCOL.h"
#include "operators/operSUMGE.h"
#include "operators/operSUMPRODUCT.h"
#include "operators/operSUMROW.h"
#include "operators/operTRANSPOSE.h"
#include "operators/operVALUEAT.h"
#include "operators/operVAR.h"
#include "optimizer/ConstraintEQ.h"
#include "optimizer/ConstraintGE.h"
#include "optimizer/ConstraintGT.h"
#include "optimizer/ConstraintLE.h"
#include "optimizer/ConstraintLT.h"
#include "optimizer/constraintConnected.h"

#include "common/writeDiagnostic.h"

#include <memory>
#include <utility>

namespace
{

template <class T> Calculus *make(bool graphical)
{
    return new T(graphical);
}

/// The menu list a keyword belongs to; Objective and None are in no list of their own.
enum class List {
    InvariantsVal,
    InvariantsVec,
    InvariantsMat,
    InvariantsFam,
    Operators,
    Constraints,
    Objective,
    None
};

struct CatalogueRow {
    const char *keyword;
    List list;
    Calculus *(*create)(bool graphical);
};

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

// One row per keyword, in menu order: each list is the rows of its name in table order, and
// the whole table is the order of All. NBETWEENNESS is made on request but offered in no menu.
// clang-format off: one row a line keeps additions apart
const CatalogueRow catalogue[] = {
    {"AVDIST", List::InvariantsVal, &make<invAVDIST>},
    {"BALABAN", List::InvariantsVal, &make<invBALABAN>},
    {"CLAWS", List::InvariantsVal, &make<invCLAWS>},
    {"CLIQMAX", List::InvariantsVal, &make<invCLIQMAX>},
    {"CHROMATIC", List::InvariantsVal, &make<invCHROMATIC>},
    {"DEGMAX", List::InvariantsVal, &make<invDEGMAX>},
    {"DEGMIN", List::InvariantsVal, &make<invDEGMIN>},
    {"DIAMETER", List::InvariantsVal, &make<invDIAMETER>},
    {"DOMINATION", List::InvariantsVal, &make<invDOMINATION>},
    {"ENERGY", List::InvariantsVal, &make<invENERGY>},
    {"GIRTH", List::InvariantsVal, &make<invGIRTH>},
    {"HARARY", List::InvariantsVal, &make<invHARARY>},
    {"K4", List::InvariantsVal, &make<invK4>},
    {"KIRCHHOFF", List::InvariantsVal, &make<invKIRCHHOFF>},
    {"NCONN", List::InvariantsVal, &make<invNCONN>},
    {"ORDER", List::InvariantsVal, &make<invORDER>},
    {"PENDING", List::InvariantsVal, &make<invPENDING>},
    {"PLATT", List::InvariantsVal, &make<invPLATT>},
    {"RADIUS", List::InvariantsVal, &make<invRADIUS>},
    {"RANDIC", List::InvariantsVal, &make<invRANDIC>},
    {"SIZE", List::InvariantsVal, &make<invSIZE>},
    {"STABLEMAX", List::InvariantsVal, &make<invSTABLEMAX>},
    {"SZEGED", List::InvariantsVal, &make<invSZEGED>},
    {"TRIANGLES", List::InvariantsVal, &make<invTRIANGLES>},
    {"WIENER", List::InvariantsVal, &make<invWIENER>},
    {"ZAGREBM1", List::InvariantsVal, &make<invZAGREBM1>},
    {"ZAGREBM2", List::InvariantsVal, &make<invZAGREBM2>},
    {"CENTRALITY", List::InvariantsVec, &make<invCENTRALITY>},
    {"CLOSENESS", List::InvariantsVec, &make<invCLOSENESS>},
    {"CUTCENTRALITY", List::InvariantsVec, &make<invCUTCENTRALITY>},
    {"CHROMATICVAL", List::InvariantsVec, &make<invCHROMATICVAL>},
    {"DCENTRALITY", List::InvariantsVec, &make<invDCENTRALITY>},
    {"DCENTRALITY2", List::InvariantsVec, &make<invDCENTRALITY2>},
    {"DEGREES", List::InvariantsVec, &make<invDEGREES>},
    {"DISTCLOSESTLEAF", List::InvariantsVec, &make<invDISTCLOSESTLEAF>},
    {"ECCENTRICITY", List::InvariantsVec, &make<invECCENTRICITY>},
    {"HARMONIC", List::InvariantsVec, &make<invHARMONIC>},
    {"IINDEX", List::InvariantsVec, &make<invIINDEX>},
    {"INCLIQMAX", List::InvariantsVec, &make<invINCLIQMAX>},
    {"INDOMINATION", List::InvariantsVec, &make<invINDOMINATION>},
    {"INSTABLEMAX", List::InvariantsVec, &make<invINSTABLEMAX>},
    {"KCHERRIES", List::InvariantsVec, &make<invKCHERRIES>},
    {"NUMERO", List::InvariantsVec, &make<invNUMERO>},
    {"ONEVEC", List::InvariantsVec, &make<invONEVEC>},
    {"SUMDISTP", List::InvariantsVec, &make<invSUMDISTP>},
    {"TRANSMISSION", List::InvariantsVec, &make<invTRANSMISSION>},
    {"ADJACENCY", List::InvariantsMat, &make<invADJACENCY>},
    {"BETWEENNESS", List::InvariantsMat, &make<invBETWEENNESS>},
    {"COMNEIGH", List::InvariantsMat, &make<invCOMNEIGH>},
    {"DBETW", List::InvariantsMat, &make<invDBETWEENNESS>},
    {"DBETW2", List::InvariantsMat, &make<invDBETWEENNESS2>},
    {"DISTANCES", List::InvariantsMat, &make<invDISTANCE>},
    {"EINCLIQMAX", List::InvariantsMat, &make<invEINCLIQMAX>},
    {"IDENTITY", List::InvariantsMat, &make<invIDENTITY>},
    {"INGIRTH", List::InvariantsMat, &make<invINGIRTH>},
    {"INPCC", List::InvariantsMat, &make<invINPCC>},
    {"INDIAMETER", List::InvariantsMat, &make<invINDIAMETER>},
    {"LAPLACIAN", List::InvariantsMat, &make<invLAPLACIAN>},
    {"MODULARITY", List::InvariantsMat, &make<invMODULARITY>},
    {"NLAPLACIAN", List::InvariantsMat, &make<invNLAPLACIAN>},
    {"ONEMAT", List::InvariantsMat, &make<invONEMAT>},
    {"SLLAPLACIAN", List::InvariantsMat, &make<invSLLAPLACIAN>},
    {"CONSTANT", List::Operators, &make<invConstant>},
    {"CATERPILLAR", List::InvariantsFam, &make<famCATERPILLAR>},
    {"COMET", List::InvariantsFam, &make<famCOMET>},
    {"LOBSTER", List::InvariantsFam, &make<famLOBSTER>},
    {"PATH", List::InvariantsFam, &make<famPATH>},
    {"SPIDER", List::InvariantsFam, &make<famSPIDER>},
    {"STAR", List::InvariantsFam, &make<famSTAR>},
    {"TREE", List::InvariantsFam, &make<famTREE>},
    {"+", List::Operators, &make<operADD>},
    {"-", List::Operators, &make<operSUBSTRACT>},
    {"*", List::Operators, &make<operMULT>},
    {".*", List::Operators, &make<operMULTTERMS>},
    {"/", List::Operators, &make<operDIV>},
    {"ADDCOLS", List::Operators, &make<operADDCOLS>},
    {"ANGLE", List::Operators, &make<operANGLE>},
    {"ABS", List::Operators, &make<operABS>},
    {"CENTER", List::Operators, &make<operCENTER>},
    {"CEIL", List::Operators, &make<operCEIL>},
    {"CHOLESKY", List::Operators, &make<operCHOLESKY>},
    {"COLUMN", List::Operators, &make<operCOL>},
    {"CORR", List::Operators, &make<operCORR>},
    {"DETERMINANT", List::Operators, &make<operDETERMINANT>},
    {"DIAG", List::Operators, &make<operDIAG>},
    {"DPALINDROMIC", List::Operators, &make<operDPALINDROMIC>},
    {"ECORR", List::Operators, &make<operECORR>},
    {"EIGENVALUES", List::Operators, &make<operEIG>},
    {"EIGENVECTORS", List::Operators, &make<operEIGVEC>},
    {"EUCLIDIANDIST", List::Operators, &make<operEUCLIDIANDIST>},
    {"EXP", List::Operators, &make<operEXP>},
    {"FIRST", List::Operators, &make<operFIRST>},
    {"FLOOR", List::Operators, &make<operFLOOR>},
    {"IFGE", List::Operators, &make<operIFGE>},
    {"INERTIA", List::Operators, &make<operINERTIA>},
    {"LAPLACIANOF", List::Operators, &make<operLAPLACIANOF>},
    {"LAST", List::Operators, &make<operLAST>},
    {"MANHATTANDIST", List::Operators, &make<operMANHATTANDIST>},
    {"MAX", List::Operators, &make<operMAX>},
    {"MAXCOL", List::Operators, &make<operMAXCOL>},
    {"MAXROW", List::Operators, &make<operMAXROW>},
    {"MIN", List::Operators, &make<operMIN>},
    {"MMAX", List::Operators, &make<operMMAX>},
    {"MMIN", List::Operators, &make<operMMIN>},
    {"MOMENT", List::Operators, &make<operMOMENT>},
    {"NBEQ", List::Operators, &make<operNBEQ>},
    {"NBVALUES", List::Operators, &make<operNBVALUES>},
    {"NORMALIZEMAT", List::Operators, &make<operNORMALIZEMAT>},
    {"ROW", List::Operators, &make<operROW>},
    {"SECOND", List::Operators, &make<operSECOND>},
    {"SORT", List::Operators, &make<operSORT>},
    {"SQRT", List::Operators, &make<operSQRT>},
    {"SUM", List::Operators, &make<operSUM>},
    {"SUMCOL", List::Operators, &make<operSUMCOL>},
    {"SUMGE", List::Operators, &make<operSUMGE>},
    {"SUMPRODUCT", List::Operators, &make<operSUMPRODUCT>},
    {"SUMROW", List::Operators, &make<operSUMROW>},
    {"TRANSPOSE", List::Operators, &make<operTRANSPOSE>},
    {"VALUE AT", List::Operators, &make<operVALUEAT>},
    {"VAR", List::Operators, &make<operVAR>},
    {"<", List::Constraints, &make<ConstraintLT>},
    {"<=", List::Constraints, &make<ConstraintLE>},
    {"==", List::Constraints, &make<ConstraintEQ>},
    {">=", List::Constraints, &make<ConstraintGE>},
    {">", List::Constraints, &make<ConstraintGT>},
    {"CONNECTED", List::Constraints, &make<constraintConnected>},
    {"Z", List::Objective, &make<Z>},
    {"OBJECTIVE", List::Objective, &make<Z>},
    {"MINIMIZE", List::Objective, [](bool g) { return makeObjective(g, true, false); }},
    {"MAXIMIZE", List::Objective, [](bool g) { return makeObjective(g, false, true); }},
    {"MAXMIN", List::Objective, [](bool g) { return makeObjective(g, true, true); }},
    {"NBETWEENNESS", List::None, &make<invNBETWEENNESS>},
};
// clang-format on

const CatalogueRow *rowOf(const QString &keyword)
{
    for (const CatalogueRow &row : catalogue)
        if (keyword == QLatin1String(row.keyword))
            return &row;
    return nullptr;
}

QStringList keywordsOf(List list)
{
    QStringList keywords;
    for (const CatalogueRow &row : catalogue)
        if (row.list == list)
            keywords << QLatin1String(row.keyword);
    return keywords;
}

/// What read makes of a temporary item built without dialog; "Undefined object." for an
/// unknown keyword.
template <class Read>
QString readItem(const BuildCalculus &catalogue, const QString &keyword, Read read)
{
    const std::unique_ptr<Calculus> item(catalogue.makeCalculus(keyword, false));
    return item ? read(*item) : QStringLiteral("Undefined object.");
}

} // namespace

BuildCalculus::BuildCalculus()
    : Operators(keywordsOf(List::Operators)), InvariantsVal(keywordsOf(List::InvariantsVal)),
      InvariantsVec(keywordsOf(List::InvariantsVec)),
      InvariantsMat(keywordsOf(List::InvariantsMat)),
      InvariantsFam(keywordsOf(List::InvariantsFam)), Constraints(keywordsOf(List::Constraints))
{
    All << InvariantsVal << InvariantsVec << InvariantsMat << InvariantsFam << Operators
        << Constraints << keywordsOf(List::Objective);
}

BuildCalculus::Category BuildCalculus::type(const QString &keyword) const
{
    const CatalogueRow *row = rowOf(keyword);
    switch (row ? row->list : List::None) {
    case List::InvariantsVal:
    case List::InvariantsVec:
    case List::InvariantsMat:
        return Category::Invariant;
    case List::InvariantsFam:
        return Category::Family;
    case List::Operators:
        return Category::Operator;
    case List::Constraints:
        return Category::Constraint;
    case List::Objective:
        return Category::Objective;
    case List::None:
        break;
    }
    return Category::Unknown;
}

Calculus *BuildCalculus::makeCalculus(const QString &keyword, bool graphical) const
{
    if (const CatalogueRow *row = rowOf(keyword))
        return row->create(graphical);
    writeDiagnostic(keyword.toUtf8() + " unknown!!");
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
    const std::pair<const char *, const QStringList *> lists[] = {{"InvariantsVal", &InvariantsVal},
                                                                  {"InvariantsVec", &InvariantsVec},
                                                                  {"InvariantsMat", &InvariantsMat},
                                                                  {"InvariantsFam", &InvariantsFam},
                                                                  {"Operators", &Operators},
                                                                  {"Constraints", &Constraints},
                                                                  {"All", &All}};
    QStringList keywords;
    for (const auto &list : lists)
        if (category == QLatin1String(list.first))
            keywords = *list.second;
    if (keywords.isEmpty())
        keywords << category;

    QString text;
    for (const QString &keyword : keywords) {
        const std::unique_ptr<Calculus> item(makeCalculus(keyword, false));
        if (item)
            text += item->textDocumentation();
    }
    return text;
}

// The dialog a graphical item would add changes neither its name nor its documentation.
QString BuildCalculus::toolTip(const QString &keyword) const
{
    return readItem(*this, keyword, [](const Calculus &item) {
        return item.name + QStringLiteral(": ") + item.textDocumentation();
    });
}

QString BuildCalculus::latexDefinition(const QString &keyword) const
{
    return readItem(*this, keyword, [](const Calculus &item) {
        return item.latexDocumentation() + QStringLiteral("\\n\\n");
    });
}

QString BuildCalculus::textDefinition(const QString &keyword) const
{
    return readItem(*this, keyword, [](const Calculus &item) { return item.textDocumentation(); });
}
