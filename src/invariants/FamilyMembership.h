#pragma once

#include "invariants/TreeFamilies.h"
#include "items/Family.h"

/// The family items: 1.0 when the graph belongs to the family, 0.0 otherwise; no value below
/// two vertices, and the error flag on a disconnected graph.
class FamilyMembership : public Family
{
public:
    void recompute() override;

protected:
    explicit FamilyMembership(TreeFamily family);
    /// Called by the keyword's constructor; the dialog is built only when graphical.
    void initFamily(const QString &keyword, const QString &doc, bool graphical);

private:
    const TreeFamily family;
};
