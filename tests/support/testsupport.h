#pragma once

#include "platform/messagebox.h"

#include <QImage>
#include <QList>
#include <QPair>
#include <QString>

namespace atoz::test {

// Records every message instead of showing it.
class FakeMessageBox final : public MessageBox
{
public:
    void Inform(QWidget*, const QString& title, const QString& text) override { shown.append({title, text}); }
    QList<QPair<QString, QString>> shown;
};

// A small page drawn from text rows: '#' is an outline pixel (Colour 0), '.'
// white, 'r' red, 'n' NearBlack, 'b' blue.
QImage PageFromRows(const QStringList& rows);
// The rows of a page back as text, for readable comparisons.
QStringList RowsOf(const QImage& page);

// A path below `directory` that nobody can write, not even root: its parent
// is a regular file.
QString UnwritablePath(const QString& directory, const QString& fileName);

}  // namespace atoz::test
