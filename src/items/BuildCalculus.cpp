#include "items/BuildCalculus.h"

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

// clang-format off: one row a line keeps additions apart
const CatalogueRow catalogue[] = {
    {"*", &make<operMULT>},
    {"+", &make<operADD>},
    {"-", &make<operSUBSTRACT>},
    {".*", &make<operMULTTERMS>},
    {"/", &make<operDIV>},
    {"<", &make<ConstraintLT>},
    {"<=", &make<ConstraintLE>},
    {"==", &make<ConstraintEQ>},
    {">", &make<ConstraintGT>},
    {">=", &make<ConstraintGE>},
    {"ABS", &make<operABS>},
    {"ADDCOLS", &make<operADDCOLS>},
    {"ADJACENCY", &make<invADJACENCY>},
    {"ANGLE", &make<operANGLE>},
    {"AVDIST", &make<invAVDIST>},
    {"BALABAN", &make<invBALABAN>},
    {"BETWEENNESS", &make<invBETWEENNESS>},
    {"CATERPILLAR", &make<famCATERPILLAR>},
    {"CEIL", &make<operCEIL>},
    {"CENTER", &make<operCENTER>},
    {"CENTRALITY", &make<invCENTRALITY>},
    {"CHOLESKY", &make<operCHOLESKY>},
    {"CHROMATIC", &make<invCHROMATIC>},
    {"CHROMATICVAL", &make<invCHROMATICVAL>},
    {"CLAWS", &make<invCLAWS>},
    {"CLIQMAX", &make<invCLIQMAX>},
    {"CLOSENESS", &make<invCLOSENESS>},
    {"COLUMN", &make<operCOL>},
    {"COMET", &make<famCOMET>},
    {"COMNEIGH", &make<invCOMNEIGH>},
    {"CONNECTED", &make<constraintConnected>},
    {"CONSTANT", &make<invConstant>},
    {"CORR", &make<operCORR>},
    {"CUTCENTRALITY", &make<invCUTCENTRALITY>},
    {"DBETW", &make<invDBETWEENNESS>},
    {"DBETW2", &make<invDBETWEENNESS2>},
    {"DCENTRALITY", &make<invDCENTRALITY>},
    {"DCENTRALITY2", &make<invDCENTRALITY2>},
    {"DEGMAX", &make<invDEGMAX>},
    {"DEGMIN", &make<invDEGMIN>},
    {"DEGREES", &make<invDEGREES>},
    {"DETERMINANT", &make<operDETERMINANT>},
    {"DIAG", &make<operDIAG>},
    {"DIAMETER", &make<invDIAMETER>},
    {"DISTANCES", &make<invDISTANCE>},
    {"DISTCLOSESTLEAF", &make<invDISTCLOSESTLEAF>},
    {"DOMINATION", &make<invDOMINATION>},
    {"DPALINDROMIC", &make<operDPALINDROMIC>},
    {"ECCENTRICITY", &make<invECCENTRICITY>},
    {"ECORR", &make<operECORR>},
    {"EIGENVALUES", &make<operEIG>},
    {"EIGENVECTORS", &make<operEIGVEC>},
    {"EINCLIQMAX", &make<invEINCLIQMAX>},
    {"ENERGY", &make<invENERGY>},
    {"EUCLIDIANDIST", &make<operEUCLIDIANDIST>},
    {"EXP", &make<operEXP>},
    {"FIRST", &make<operFIRST>},
    {"FLOOR", &make<operFLOOR>},
    {"GIRTH", &make<invGIRTH>},
    {"HARARY", &make<invHARARY>},
    {"HARMONIC", &make<invHARMONIC>},
    {"IDENTITY", &make<invIDENTITY>},
    {"IFGE", &make<operIFGE>},
    {"IINDEX", &make<invIINDEX>},
    {"INCLIQMAX", &make<invINCLIQMAX>},
    {"INDIAMETER", &make<invINDIAMETER>},
    {"INDOMINATION", &make<invINDOMINATION>},
    {"INERTIA", &make<operINERTIA>},
    {"INGIRTH", &make<invINGIRTH>},
    {"INPCC", &make<invINPCC>},
    {"INSTABLEMAX", &make<invINSTABLEMAX>},
    {"K4", &make<invK4>},
    {"KCHERRIES", &make<invKCHERRIES>},
    {"KIRCHHOFF", &make<invKIRCHHOFF>},
    {"LAPLACIAN", &make<invLAPLACIAN>},
    {"LAPLACIANOF", &make<operLAPLACIANOF>},
    {"LAST", &make<operLAST>},
    {"LOBSTER", &make<famLOBSTER>},
    {"MANHATTANDIST", &make<operMANHATTANDIST>},
    {"MAX", &make<operMAX>},
    {"MAXCOL", &make<operMAXCOL>},
    {"MAXIMIZE", [](bool g) { return makeObjective(g, false, true); }},
    {"MAXMIN", [](bool g) { return makeObjective(g, true, true); }},
    {"MAXROW", &make<operMAXROW>},
    {"MIN", &make<operMIN>},
    {"MINIMIZE", [](bool g) { return makeObjective(g, true, false); }},
    {"MMAX", &make<operMMAX>},
    {"MMIN", &make<operMMIN>},
    {"MODULARITY", &make<invMODULARITY>},
    {"MOMENT", &make<operMOMENT>},
    {"NBEQ", &make<operNBEQ>},
    {"NBETWEENNESS", &make<invNBETWEENNESS>},
    {"NBVALUES", &make<operNBVALUES>},
    {"NCONN", &make<invNCONN>},
    {"NLAPLACIAN", &make<invNLAPLACIAN>},
    {"NORMALIZEMAT", &make<operNORMALIZEMAT>},
    {"NUMERO", &make<invNUMERO>},
    {"OBJECTIVE", &make<Z>},
    {"ONEMAT", &make<invONEMAT>},
    {"ONEVEC", &make<invONEVEC>},
    {"ORDER", &make<invORDER>},
    {"PATH", &make<famPATH>},
    {"PENDING", &make<invPENDING>},
    {"PLATT", &make<invPLATT>},
    {"RADIUS", &make<invRADIUS>},
    {"RANDIC", &make<invRANDIC>},
    {"ROW", &make<operROW>},
    {"SECOND", &make<operSECOND>},
    {"SIZE", &make<invSIZE>},
    {"SLLAPLACIAN", &make<invSLLAPLACIAN>},
    {"SORT", &make<operSORT>},
    {"SPIDER", &make<famSPIDER>},
    {"SQRT", &make<operSQRT>},
    {"STABLEMAX", &make<invSTABLEMAX>},
    {"STAR", &make<famSTAR>},
    {"SUM", &make<operSUM>},
    {"SUMCOL", &make<operSUMCOL>},
    {"SUMDISTP", &make<invSUMDISTP>},
    {"SUMGE", &make<operSUMGE>},
    {"SUMPRODUCT", &make<operSUMPRODUCT>},
    {"SUMROW", &make<operSUMROW>},
    {"SZEGED", &make<invSZEGED>},
    {"TRANSMISSION", &make<invTRANSMISSION>},
    {"TRANSPOSE", &make<operTRANSPOSE>},
    {"TREE", &make<famTREE>},
    {"TRIANGLES", &make<invTRIANGLES>},
    {"VALUE AT", &make<operVALUEAT>},
    {"VAR", &make<operVAR>},
    {"WIENER", &make<invWIENER>},
    {"Z", &make<Z>},
    {"ZAGREBM1", &make<invZAGREBM1>},
    {"ZAGREBM2", &make<invZAGREBM2>},
};
// clang-format on

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
