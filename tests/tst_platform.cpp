#include "platform/colour.h"
#include "platform/locations.h"
#include "platform/picture.h"
#include "platform/settingsstore.h"
#include "platform/twips.h"
#include "support/testsupport.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

using namespace atoz;

namespace {

// A BMP file header and information header that claim a size, followed by
// only a few bytes of pixels.
QByteArray bmpClaiming(qint32 width, qint32 height, bool withFileHeader = true)
{
    QByteArray info(40, '\0');
    auto* d = reinterpret_cast<uchar*>(info.data());
    qToLittleEndian<quint32>(40, d);
    qToLittleEndian<qint32>(width, d + 4);
    qToLittleEndian<qint32>(height, d + 8);
    qToLittleEndian<quint16>(1, d + 12);
    qToLittleEndian<quint16>(24, d + 14);
    QByteArray pixels(64, '\x7f');
    if (!withFileHeader)
        return info + pixels;
    QByteArray file(14, '\0');
    file[0] = 'B';
    file[1] = 'M';
    qToLittleEndian<quint32>(quint32(14 + info.size() + pixels.size()), reinterpret_cast<uchar*>(file.data()) + 2);
    qToLittleEndian<quint32>(54, reinterpret_cast<uchar*>(file.data()) + 10);
    return file + info + pixels;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Every Colour a test cares about, with its neighbours: the outline, the
// palette's near black, the primaries in both byte orders, white.
QImage everyColourImage()
{
    const Colour colours[] = {Black, NearBlack, 255, 65280, 16711680, 0x123456, 0x654321, White - 1, White};
    QImage image(int(std::size(colours)), 3, QImage::Format_RGB32);
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            image.setPixel(x, y, ToQRgb(colours[x] ^ Colour(y)));
    return image;
}

}  // namespace

class PlatformTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void colourLayout()
    {
        // Red sits in the low byte of a Colour and in the middle of a QRgb.
        QCOMPARE(ToQColor(255), QColor(255, 0, 0));
        QCOMPARE(ToQColor(16711680), QColor(0, 0, 255));
        QCOMPARE(ColourFromRgb(1, 1, 1), NearBlack);
        QCOMPARE(ToQRgb(0x123456), QRgb(0xFF563412));
        QCOMPARE(FromQRgb(0xFF563412), Colour(0x123456));
        QCOMPARE(FromQColor(QColor(204, 102, 0)), Colour(26316));
    }

    void twipsToPixels_data()
    {
        QTest::addColumn<int>("twips");
        QTest::addColumn<int>("pixels");
        QTest::newRow("one pixel") << 15 << 1;
        QTest::newRow("under half") << 7 << 0;
        QTest::newRow("half rounds up") << 8 << 1;
        QTest::newRow("thumbnail cell width") << 2120 << 141;
        QTest::newRow("thumbnail cell height") << 1766 << 118;
        QTest::newRow("off screen") << -15360 << -1024;
        QTest::newRow("negative half") << -8 << -1;
    }
    void twipsToPixels()
    {
        QFETCH(int, twips);
        QFETCH(int, pixels);
        QCOMPARE(TwipsToPixels(twips), pixels);
    }

    void settingsRoundTrip_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("number") << "16777215";
        QTest::newRow("boolean") << "True";
        QTest::newRow("name with comma") << "Tom, Ann";
        QTest::newRow("spaces kept") << "  Mia  ";
        QTest::newRow("empty") << "";
        QTest::newRow("accents") << QStringLiteral("Zoë Ærø");
        QTest::newRow("ini syntax") << "a=b;[c]\\d";
        QTest::newRow("windows path") << "c:\\colorpage.bmp";
    }
    void settingsRoundTrip()
    {
        QFETCH(QString, value);
        QTemporaryDir dir;
        const QString file = dir.filePath("settings.ini");
        SettingsStore(file).SaveSetting("Book2", "Name0", value);
        // A new store on the same file: what was written is on disk already.
        QCOMPARE(SettingsStore(file).GetSetting("Book2", "Name0", "Your Name"), value);
    }

    void missingKeyGivesDefault()
    {
        QTemporaryDir dir;
        SettingsStore store(dir.filePath("settings.ini"));
        QCOMPARE(store.GetSetting("Paints", "Color3", "26316"), QString("26316"));
        store.SaveSetting("Paints", "Color4", "1");
        QCOMPARE(store.GetSetting("Paints", "Color3", "26316"), QString("26316"));
        QCOMPARE(store.GetSetting("Setting", "Color4", "x"), QString("x"));  // sections are apart
    }

    void damagedSettingsFileFallsBackAndRecovers_data()
    {
        QTest::addColumn<QByteArray>("content");
        QByteArray noise(4096, '\0');
        QRandomGenerator rng(7);
        for (char& c : noise)
            c = char(rng.bounded(256));
        QTest::newRow("random bytes") << noise;
        QTest::newRow("unterminated section") << QByteArray("[Paints\nColor0=12\n\xff\xfe");
        QTest::newRow("binary zeroes") << QByteArray(100, '\0');
    }
    void damagedSettingsFileFallsBackAndRecovers()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString file = dir.filePath("settings.ini");
        writeBytes(file, content);
        {
            SettingsStore store(file);
            QCOMPARE(store.GetSetting("Paints", "Color0", "3381657"), QString("3381657"));
            store.SaveSetting("Paints", "Color0", "255");
        }
        QCOMPARE(SettingsStore(file).GetSetting("Paints", "Color0", "3381657"), QString("255"));
    }

    void parseStoredText()
    {
        QCOMPARE(SettingsStore::ParseBoolean("True"), std::optional<bool>(true));
        QCOMPARE(SettingsStore::ParseBoolean("fALSE"), std::optional<bool>(false));
        QCOMPARE(SettingsStore::ParseBoolean("-1"), std::optional<bool>(true));
        QCOMPARE(SettingsStore::ParseBoolean("0"), std::optional<bool>(false));
        QCOMPARE(SettingsStore::ParseBoolean("yes please"), std::nullopt);
        QCOMPARE(SettingsStore::ParseInteger("16777215", 0, MaxColour), std::optional<qint64>(16777215));
        QCOMPARE(SettingsStore::ParseInteger("16777216", 0, MaxColour), std::nullopt);
        QCOMPARE(SettingsStore::ParseInteger("-1", 0, MaxColour), std::nullopt);
        QCOMPARE(SettingsStore::ParseInteger("12abc", 0, MaxColour), std::nullopt);
        QCOMPARE(SettingsStore::ParseInteger("0x10", 0, MaxColour), std::nullopt);
    }

    void loadRefusesBadPictures_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = [] {
            QByteArray b;
            QBuffer buffer(&b);
            buffer.open(QIODevice::WriteOnly);
            everyColourImage().save(&buffer, "BMP");
            return b;
        }();
        QByteArray noise(2000, '\0');
        QRandomGenerator rng(11);
        for (char& c : noise)
            c = char(rng.bounded(256));
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("truncated header") << good.left(30);
        QTest::newRow("truncated pixels") << good.left(good.size() - 4);
        QTest::newRow("random bytes") << noise;
        QTest::newRow("text") << QByteArray("not a picture at all\n");
        QTest::newRow("claims 100000 x 100000") << bmpClaiming(100000, 100000);
        QTest::newRow("claims 100000 wide") << bmpClaiming(100000, 1);
        QTest::newRow("bare DIB claims 100000 x 100000") << bmpClaiming(100000, 100000, false);
        QTest::newRow("negative size") << bmpClaiming(-5, -5);
    }
    void loadRefusesBadPictures()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(LoadPictureData(bytes).isNull());
        QTemporaryDir dir;
        writeBytes(dir.filePath("bad.BMP"), bytes);
        QVERIFY(LoadPicture(dir.filePath("bad.BMP")).isNull());
    }

    void loadMissingFileGivesNoPicture()
    {
        QVERIFY(LoadPicture("/nonexistent/b2f0p0.BMP").isNull());
    }

    void savedBitmapReadsBackEveryColour()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("page.bmp");
        const QImage image = everyColourImage();
        QVERIFY(SavePicture(image, path));
        const QByteArray bytes = fileBytes(path);
        QCOMPARE(bytes.left(2), QByteArray("BM"));
        QCOMPARE(qFromLittleEndian<quint16>(bytes.constData() + 28), quint16(24));  // bits per pixel
        const QImage back = LoadPicture(path);
        QCOMPARE(back.format(), QImage::Format_RGB32);
        QCOMPARE(back, image);
    }

    void transparentPictureLoadsOnWhite()
    {
        QImage clear(4, 4, QImage::Format_ARGB32);
        clear.fill(Qt::transparent);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        clear.save(&buffer, "PNG");
        const QImage loaded = LoadPictureData(png);
        QCOMPARE(FromQRgb(loaded.pixel(2, 2)), White);  // not black: it would turn into outline
    }

    void failedSaveReportsAndKeepsOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("b2f0p0.BMP");
        QImage small(8, 8, QImage::Format_RGB32);
        small.fill(Qt::red);
        QVERIFY(SavePicture(small, path));
        const QByteArray before = fileBytes(path);

        // The disk "fills up" half way through the next write: files may grow
        // to 2000 bytes only, which stops root as well.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit limited = old;
        limited.rlim_cur = 2000;
        setrlimit(RLIMIT_FSIZE, &limited);
        QImage big(480, 400, QImage::Format_RGB32);
        big.fill(Qt::blue);
        const bool saved = SavePicture(big, path);
        setrlimit(RLIMIT_FSIZE, &old);

        QVERIFY(!saved);
        QCOMPARE(fileBytes(path), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"b2f0p0.BMP"});  // no leftovers
    }

    void saveToUnwritablePlaceFails()
    {
        QTemporaryDir dir;
        QImage image(4, 4, QImage::Format_RGB32);
        image.fill(Qt::white);
        QVERIFY(!SavePicture(image, test::UnwritablePath(dir.path(), "page.bmp")));
        QVERIFY(!SavePicture(image, dir.filePath("missing/page.bmp")));
        QVERIFY(!SavePicture(QImage(), dir.filePath("null.bmp")));
    }

    void pageStoreDirectory()
    {
        QTemporaryDir dir;
        const QString chosen = dir.filePath("chosen/pages");
        QCOMPARE(PageStoreDirectory(chosen, dir.path()), chosen);
        QVERIFY(QFileInfo(chosen).isDir());

        QCOMPARE(PageStoreDirectory(QString(), dir.path()), dir.path());

        // A program directory the user cannot write to: the per-user place.
        const QString blocked = test::UnwritablePath(dir.path(), "");
        const QString perUser = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QCOMPARE(PageStoreDirectory(QString(), QFileInfo(blocked).path()), perUser);
        QVERIFY(QFileInfo(perUser).isDir());
    }
};

QTEST_GUILESS_MAIN(PlatformTest)
#include "tst_platform.moc"
