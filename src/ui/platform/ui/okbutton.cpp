#include "okbutton.h"

#include "platform/twips.h"
#include "platform/ui/clickable.h"
#include "platform/ui/controls.h"

#include <QCoreApplication>
#include <QDialog>

namespace atoz {

QLabel* AddOkButton(QDialog* window, QPoint ring)
{
    AddShape(window, "OKCircle", OutlineShape::Kind::Oval, {ring.x(), ring.y(), 1425, 1095});
    QLabel* ok = AddLabel(window, {"CmdOK", {ring.x() + 300, ring.y() + 180, 810, 750}, QCoreApplication::translate("OkButton", "OK"), Green, 24, Bold | Centred});
    OnClick(ok, window, [window] { window->accept(); });
    SetDefaultButton(window, ok);
    return ok;
}

}  // namespace atoz
