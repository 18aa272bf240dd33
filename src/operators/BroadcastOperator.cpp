#include "operators/BroadcastOperator.h"

BroadcastOperator::BroadcastOperator(int argumentCount, Combine c)
    : OperatorItem(argumentCount, argumentCount), combine(c)
{
    messages = &OperatorMessages::shaping();
}

void BroadcastOperator::recompute()
{
    if (!checkArguments())
        return;
    // Slots beyond the arity stand in as argument 1: the kernels never read them.
    Calculus *const args[4] = {arg1, arg2, arity > 2 ? arg3 : arg1, arity > 3 ? arg4 : arg1};
    const ValueBlock blocks[4] = {blockOf(args[0]), blockOf(args[1]), blockOf(args[2]),
                                  blockOf(args[3])};
    const ValueBlock *const views[4] = {&blocks[0], &blocks[1], &blocks[2], &blocks[3]};
    int setter = -1;
    if (!checkStatus(broadcastShape(views, arity, setter)))
        return;
    succeed(name);
    if (setter < 0)
        setShape(1, 1, one(), one());
    else
        setShape(blocks[setter].rows, blocks[setter].cols, args[setter]->getSRows(),
                 args[setter]->getSCols());
    broadcastInto(views, arity, rows, cols, combine, M);
}
