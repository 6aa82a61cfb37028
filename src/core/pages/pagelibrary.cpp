#include "pagelibrary.h"

#include "platform/picture.h"

#include <QFile>
#include <QHash>

namespace atoz {

namespace {

QString resourcePath(int index)
{
    return QStringLiteral(":/pages/page%1.dib").arg(PageResourceId(index));
}

// The string table: one line a resource, "<id><tab><text>".
const QHash<int, QString>& attributions()
{
    static const QHash<int, QString> table = [] {
        QHash<int, QString> texts;
        QFile file(QStringLiteral(":/pages/strings.tsv"));
        if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
            for (const QString& line : lines) {
                const qsizetype tab = line.indexOf(u'\t');
                bool ok = false;
                const int id = line.left(tab).toInt(&ok);
                if (tab > 0 && ok)
                    texts.insert(id, line.mid(tab + 1));
            }
        }
        return texts;
    }();
    return table;
}

}  // namespace

QString PageLetter(int index)
{
    return IsPageIndex(index) ? QString(QChar(u'A' + index)) : QString();
}

QByteArray PageResourceData(int index)
{
    if (!IsPageIndex(index))
        return {};
    QFile file(resourcePath(index));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage LoadPagePicture(int index, PictureForm form)
{
    return LoadPictureData(PageResourceData(index), form);
}

QString LoadAttributionText(int index)
{
    return IsPageIndex(index) ? attributions().value(PageResourceId(index)) : QString();
}

}  // namespace atoz
