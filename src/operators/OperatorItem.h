#pragma once

// Writing an operator item (see operDPALINDROMIC for one argument with messages of its own,
// operSUMGE, operNBEQ and operVALUEAT for optional arguments, and the bases ReductionOperator,
// EntrywiseMeasure, SymmetricMatrixOperator, BroadcastOperator, EntrywiseMap, PickEntry and
// LineSelection for items that share one computation):
//  1. Derive from OperatorItem, passing the arity (argument slots used, 1 to 4: links and
//     arguments beyond it are refused) and how many leading slots are required (0 when even
//     argument 1 is optional). Keep one constructor taking `bool graphical`.
//  2. In the constructor: preset sRows/sCols when the item keeps them (then set
//     keepsPresetDimensions), point `messages` at the class's table (a function-local static
//     OperatorMessages, built once), change `missingMessage` if the item words it otherwise,
//     then call initOperator(keyword, latex, text, graphical).
//  3. recompute(): `if (!checkArguments()) return;` (required arguments linked, argument 1 not
//     empty), then the item's own checks through a kernel returning an OperStatus
//     (`failWith(status)` on failure), then succeed(label), setShape(...) and the kernel writing
//     M in place. formula() needs no override: NAME(f1,f2,...) over the linked arguments, or
//     "MISSING ARGUMENT" when a required one is unlinked.
//  4. Register the keyword in the table of catalogue/BuildCalculus.cpp, as every item.

#include "items/Operator.h"
#include "operators/OperStatus.h"
#include "operators/OperatorMessages.h"

/// Shared pattern of the operator items: arity, formula text, argument reading, error exit
/// and the tool tips a computation sets at once.
class OperatorItem : public Operator
{
public:
    bool setLink2(Link *link) override { return arity >= 2 && Operator::setLink2(link); }
    bool setLink3(Link *link) override { return arity >= 3 && Operator::setLink3(link); }
    bool setLink4(Link *link) override { return arity >= 4 && Operator::setLink4(link); }
    bool setArg2(Calculus *item) override { return arity >= 2 && Operator::setArg2(item); }
    bool setArg3(Calculus *item) override { return arity >= 3 && Operator::setArg3(item); }
    bool setArg4(Calculus *item) override { return arity >= 4 && Operator::setArg4(item); }
    /// The name, "(", the formulas of the linked arguments within the arity joined by ",",
    /// ")"; "MISSING ARGUMENT" alone when a required argument is unlinked.
    QString formula() override;

    /// The value block of an item as operators read it, its dimensions bounded to 0..32.
    static ValueBlock blockOf(const Calculus *item);

protected:
    OperatorItem(int argumentSlots, int needed);

    /// Keyword, descriptions and, with graphics, the dialog; "Complement" offered only when
    /// offerComplement.
    void initOperator(const QString &keyword, const QString &latex, const QString &text,
                      bool graphical, bool offerComplement = false);
    /// Required arguments linked (else missingMessage), then, when asked, argument 1 with at
    /// least one row and one column (else the ArgumentError text). False after the error exit.
    bool checkArguments(bool argument1NotEmpty = true);
    /// Error exit: the message saved for the next best-value backup, rows = cols = 0, both
    /// symbolic dimensions "NA" unless keepsPresetDimensions, error flag set.
    void failWith(const QString &message);
    void failWith(OperStatus status) { failWith(messages->text(status)); }
    /// True for Ok; otherwise the error exit with the status's text, and false. A failure
    /// with status shownAtOnce also sets its text as the tool tip at once.
    bool checkStatus(OperStatus status, OperStatus shownAtOnce = OperStatus::Ok);
    /// Success label, saved for the next best-value backup.
    void succeed(const QString &label) { saveTooltip(label); }
    /// Logical and symbolic dimensions of the result.
    void setShape(int r, int c, const QString &symbolicRows, const QString &symbolicCols);
    /// Sets the item's own tool tip now; from a thread other than the dialog's the change is
    /// queued to the GUI thread and dropped if the item is gone by then.
    void showTooltipNow(const QString &text);

    static const QString &one();
    static const QString &vertexCount();
    static const QString &notApplicable();

    const int arity;
    const int required;
    bool keepsPresetDimensions = false;
    const OperatorMessages *messages;
    QString missingMessage;
};
