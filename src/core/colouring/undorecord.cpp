#include "undorecord.h"

namespace atoz {

void UndoRecord::Remember(float x, float y, Colour before)
{
    colour_ = before;
    x_ = x;
    y_ = y;
    SetUndoAvailable(true);
}

void UndoRecord::SetUndoAvailable(bool flag)
{
    available_ = flag;
    emit undoAvailableChanged(flag);
}

}  // namespace atoz
