#pragma once

#include "platform/colour.h"

#include <QObject>

namespace atoz {

// The one-level undo of the colouring view: the last successful fill, kept as
// the click that made it and the colour of the clicked pixel just before.
// Undoing fills the same area again with that colour.
class UndoRecord : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    bool UndoAvailable() const { return available_; }
    float UndoX() const { return x_; }
    float UndoY() const { return y_; }
    Colour UndoColor() const { return colour_; }

    // Records a successful fill, then makes the undo available.
    void Remember(float x, float y, Colour before);

    // Every call announces the flag, so that the undo button always follows it.
    void SetUndoAvailable(bool flag);

signals:
    void undoAvailableChanged(bool available);

private:
    bool available_ = false;
    float x_ = 0;
    float y_ = 0;
    Colour colour_ = 0;
};

}  // namespace atoz
