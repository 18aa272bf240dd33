#include "operators/OperatorMessages.h"

OperatorMessages::OperatorMessages()
{
    set(OperStatus::ArgumentError, "Argument error");
}

OperatorMessages &OperatorMessages::set(OperStatus status, const char *text)
{
    texts[int(status)] = QString::fromLatin1(text);
    return *this;
}

OperatorMessages OperatorMessages::squareSymmetric(const char *word, const char *symmetric)
{
    OperatorMessages m;
    const QString w = QString::fromLatin1(word);
    m.texts[int(OperStatus::NotSquare)] = w + QStringLiteral(" needs a square matrix");
    m.texts[int(OperStatus::NotMatrix)] = w + QStringLiteral(" needs a matrix as argument");
    m.texts[int(OperStatus::NotSymmetric)] = w + QStringLiteral(" needs a ") +
                                             QString::fromLatin1(symmetric) +
                                             QStringLiteral(" matrix");
    m.texts[int(OperStatus::NotFinite)] = w + QStringLiteral(" needs finite entries");
    return m;
}

const OperatorMessages &OperatorMessages::pairOfValues()
{
    static const OperatorMessages m =
        OperatorMessages()
            .set(OperStatus::VectorsNeeded, "VECTORS NEEDED")
            .set(OperStatus::SizeDiffer, "ARG SIZE DIFFER")
            .set(OperStatus::DivisionByZero, "NUMERICAL ERROR: DIV by 0");
    return m;
}

const OperatorMessages &OperatorMessages::shaping()
{
    static const OperatorMessages m = OperatorMessages()
                                          .set(OperStatus::FormatError, "Format error")
                                          .set(OperStatus::NegativeArgument, "Negative argument")
                                          .set(OperStatus::NotEnoughValues, "Not enough values")
                                          .set(OperStatus::IndexOutOfRange, "Index out of range");
    return m;
}
