#pragma once

#include "operators/OperatorItem.h"

/// The items measuring two values of the same shape entry by entry into one number: two
/// required arguments, "ARG SIZE DIFFER" when the shapes differ.
class EntrywiseMeasure : public OperatorItem
{
public:
    void recompute() override;

protected:
    using Measure = double (*)(const ValueBlock &, const ValueBlock &);
    explicit EntrywiseMeasure(Measure measure);

private:
    const Measure measure;
};
