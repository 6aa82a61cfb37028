#include "okbutton.h"

#include "platform/twips.h"
#include "platform/ui/clickable.h"
#include "platform/ui/controls.h"

#include <QDialog>

namespace atoz {

QLabel* AddOkButton(QDialog* window, QPoint ring)
{
    constexpr Colour OkGreen = 65280;
    auto* circle = new OutlineShape(QStringLiteral("OKCircle"), OutlineShape::Kind::Oval, 2, window);
    circle->setGeometry(TwipsRect(ring.x(), ring.y(), 1425, 1095));
    QLabel* ok = AddLabel(window, {"CmdOK", {ring.x() + 300, ring.y() + 180, 810, 750}, "OK", OkGreen, 24, Bold | Centred});
    OnClick(ok, window, [window] { window->accept(); });
    return ok;
}

}  // namespace atoz
