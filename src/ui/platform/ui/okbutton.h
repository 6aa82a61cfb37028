#pragma once

#include <QPoint>

class QDialog;
class QLabel;

namespace atoz {

// The "OK" of the information windows: a green label `CmdOK` inside a white
// ring `OKCircle`, whose click (or Return) hides the window and so ends its
// modal show.
// `ring` is the ring's top left, in twips; the ring is 1425 x 1095.
QLabel* AddOkButton(QDialog* window, QPoint ring);

}  // namespace atoz
