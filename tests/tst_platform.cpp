#include "folders/pagecopy.h"
#include "platform/colour.h"
#include "platform/locations.h"
#include "platform/picture.h"
#include "platform/singleinstance.h"
#include "support/testsupport.h"

#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QMutex>
#include <QRandomGenerator>
#include <QThread>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtEndian>
#include <QtTest>

#include <atomic>
#include <cstdio>
#include <memory>
#include <thread>

#include <sys/resource.h>
#include <sys/stat.h>

using namespace atoz;

namespace {

using test::ReadFile;
using test::RowsOf;
using test::WriteFile;

// A bitmap file with a 40-byte information header; a negative height stores
// the rows top-down.
QByteArray bitmapFile(qint32 width, qint32 height, quint16 bitCount, quint32 compression, const QByteArray& pixels,
                      const QList<Colour>& colourTable = {})
{
    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    const quint32 offset = 54 + 4 * quint32(colourTable.size());
    out.writeRawData("BM", 2);
    out << offset + quint32(pixels.size()) << quint32(0) << offset << quint32(40) << width << height << quint16(1)
        << bitCount << compression << quint32(pixels.size()) << quint64(0) << quint32(colourTable.size()) << quint32(0);
    for (const Colour colour : colourTable)
        out << (ToQRgb(colour) & 0xffffffu);
    return file + pixels;
}

QByteArray withPixelOffset(quint32 offset, QByteArray file)
{
    qToLittleEndian<quint32>(offset, file.data() + 10);
    return file;
}

// A run-length bitmap from its codes, written in hex. Its colours: 0 red, 1
// blue, 2 black. Red first, so that a pixel the decoder never set is not
// white by chance.
QByteArray runLengthFile(qint32 width, qint32 height, int bits, const char* hexCodes)
{
    return bitmapFile(width, height, quint16(bits), bits == 8 ? 1 : 2, QByteArray::fromHex(hexCodes),
                      {255, 16711680, Black});
}

// With ATOZ_FUZZ_CORPUS set to a directory, the picture tests also write each
// of their crafted files there: the seeds of the fuzz target in fuzz/.
void keepForFuzzing(const QByteArray& bytes)
{
    const QString corpus = qEnvironmentVariable("ATOZ_FUZZ_CORPUS");
    if (corpus.isEmpty())
        return;
    QString name = QLatin1String(QTest::currentTestFunction());
    if (const char* row = QTest::currentDataTag())
        name += u'-' + QLatin1String(row);
    name.replace(QRegularExpression("[^A-Za-z0-9]+"), "-");
    WriteFile(QDir(corpus).filePath(name), bytes);
}

// The page folder as a start finds it: --data-dir, or the per-user folder
// with the pages that were beside the program brought in.
QString startPages(const QString& dataDir, const QString& programDir, const QString& perUser)
{
    const QString pages = PageStoreDirectory(dataDir, perUser);
    if (dataDir.isEmpty())
        CopyPagesFromProgramDirectory(programDir, pages);
    return pages;
}

// A real bitmap whose header then claims another size.
QByteArray bmpClaiming(qint32 width, qint32 height, const QByteArray& bmp)
{
    QByteArray claim = bmp;
    qToLittleEndian<qint32>(width, claim.data() + 18);
    qToLittleEndian<qint32>(height, claim.data() + 22);
    return claim;
}

QByteArray encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

using Start = SingleInstance::Start;

// Set for a copy of this test program that only holds a directory, as a
// running book does, until it is killed. With HoldSlowlyVariable set too, it
// takes the lock first and listens only once a file "listen" shows in the
// directory, as a book that is slow to start.
constexpr char HolderVariable[] = "ATOZ_HOLD_DIRECTORY";
constexpr char HoldSlowlyVariable[] = "ATOZ_HOLD_SLOWLY";

int HoldDirectory(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    SingleInstance instance(qEnvironmentVariable(HolderVariable));
    if (qEnvironmentVariableIsSet(HoldSlowlyVariable)) {
        instance.TryLock();
        std::puts("locked");
        std::fflush(stdout);
        for (int wait = 0; !QFileInfo::exists(QDir(qEnvironmentVariable(HolderVariable)).filePath("listen")); ++wait)
            if (wait < 3000)
                QThread::msleep(10);
            else
                return 1;
    }
    if (instance.Claim() != Start::First)
        return 1;
    std::puts("holding");
    std::fflush(stdout);
    return app.exec();
}

// A copy of this test program holding `directory`, slowly or not.
bool StartHolder(QProcess& holder, const QString& directory, bool slowly = false)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(HolderVariable, directory);
    if (slowly)
        env.insert(HoldSlowlyVariable, "1");
    holder.setProcessEnvironment(env);
    holder.start(QCoreApplication::applicationFilePath(), {});
    return holder.waitForReadyRead(10000) && holder.readLine().trimmed() == (slowly ? "locked" : "holding");
}

// The messages of this test program, as they come, from any thread.
QMutex messagesLock;
QStringList messages;
QtMessageHandler testHandler = nullptr;
void recordMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    {
        const QMutexLocker locked(&messagesLock);
        messages.append(text);
    }
    testHandler(type, context, text);
}

}  // namespace

class PlatformTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        ::umask(022);
    }

    void settingsRoundTrip_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("name with comma") << "Tom, Ann";
        QTest::newRow("spaces kept") << "  Mia  ";
        QTest::newRow("empty") << "";
        QTest::newRow("ini syntax and accents") << QStringLiteral("Zoë=b;[c]\\d");
    }
    void settingsRoundTrip()
    {
        QFETCH(QString, value);
        QTemporaryDir dir;
        const QString file = dir.filePath("settings.ini");
        // The writing store stays open while a second one reads: what was
        // written must be in the file already, not only when the store
        // closes; a group of writes, once the group ends.
        SettingsStore writer(file);
        writer.SaveSetting("Book2", "Name0", value);
        {
            const SettingsStore::WriteGroup group(writer);
            writer.SaveSetting("Book2", "Name1", value);
            QVERIFY(ReadFile(file).contains("Name0=") && !ReadFile(file).contains("Name1="));
        }
        QVERIFY(ReadFile(file).contains("Name1="));
        const SettingsStore reader(file);
        QCOMPARE(reader.GetSetting("Book2", "Name0", "missing") + reader.GetSetting("Book2", "Name1", "missing"), value + value);
    }

    // A write that does not reach the disk is said once, and what was
    // written is still read back for the rest of the run. A damaged file
    // (a section never closed, then noise) reads as defaults and is written
    // anew. A key that the file holds escaped is written like any other.
    void settingsWriteFailureIsSaidOnce_data()
    {
        QTest::addColumn<QString>("trouble");
        QTest::addColumn<bool>("fails");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QByteArray>("line");  // how the file holds it
        const auto row = [](const char* name, const char* trouble, bool fails, const QString& key = "Name1",
                            const QByteArray& line = "\nName1=Kim\n") {
            QTest::newRow(name) << QString(trouble) << fails << key << line;
        };
        row("none", "none", false);
        row("a key with a space and a letter beyond ASCII", "none", false, "Zo\u00eb's name",
            "\nZo%EB%27s%20name=Kim\n");
        row("damaged file", "damaged", false);
        row("file is a directory", "directory", true);
        row("its folder is a file", "folder", true);
        row("disk full", "full", true);
        row("damaged file, disk full", "damaged full", true);
    }
    void settingsWriteFailureIsSaidOnce()
    {
        QFETCH(QString, trouble);
        QFETCH(bool, fails);
        QFETCH(QString, key);
        QFETCH(QByteArray, line);
        QTemporaryDir dir;
        QString file = dir.filePath("settings.ini");
        if (trouble == "directory")
            QDir(dir.path()).mkpath("settings.ini");
        if (trouble == "folder")
            file = test::UnwritablePath(dir.path(), "settings.ini");
        QRandomGenerator noise(7);
        QByteArray damaged = "[Paints\nColor0=12\n";
        while (damaged.size() < 4096)
            damaged += char(noise.bounded(256));
        if (trouble.startsWith("damaged"))
            WriteFile(file, damaged);
        SettingsStore store(file);
        QSignalSpy failures(&store, &SettingsStore::writeFailed);
        QCOMPARE(store.GetSetting("Paints", "Color5", "default"), QString("default"));

        const QString longName(3000, u'x');
        if (fails)  // and says so on standard error, naming the file
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("settings.ini was not written: "));
        test::WithFullDisk(trouble.endsWith("full") ? 2000 : RLIM_INFINITY, [&] {
            store.SaveSetting("Book2", "Name0", longName);
            store.SaveSetting("Book2", key, "Kim");
        });

        QCOMPARE(failures.size(), fails ? 1 : 0);
        QCOMPARE(store.GetSetting("Book2", "Name0", ""), longName);
        QCOMPARE(ReadFile(file).contains(line), !fails);
    }

    // Every picture loaded is a 32-bit picture of the file's pixels, or none.
    void loadsPictures_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("rows");
        const QStringList refused;  // no picture at all
        // Pictures that are refused, whole.
        const QByteArray good = encoded(test::PageFromRows({"#.rnb", "b.r#n", "..rnb"}), "BMP");
        QByteArray noise(2000, '\0');
        QRandomGenerator rng(11);
        for (char& c : noise)
            c = char(rng.bounded(256));
        QTest::newRow("empty") << QByteArray() << refused;
        QTest::newRow("truncated header") << good.left(30) << refused;
        QTest::newRow("truncated pixels") << good.left(good.size() - 4) << refused;
        QTest::newRow("random bytes") << noise << refused;
        QTest::newRow("claims 100000 x 100000") << bmpClaiming(100000, 100000, good) << refused;
        QTest::newRow("bare DIB claims 100000 x 100000") << bmpClaiming(100000, 100000, good).mid(14) << refused;
        QTest::newRow("negative size") << bmpClaiming(-5, -5, good) << refused;
        QTest::newRow("claims 2147483647 square") << bitmapFile(0x7fffffff, 0x7fffffff, 32, 0, QByteArray(8, '\0')) << refused;
        // Qt's reader takes the pixels from the end of the colour table then.
        QTest::newRow("pixel offset back in the header, pixels short")
            << withPixelOffset(0, bitmapFile(4, 2, 24, 0, QByteArray(24, '\0'))).left(60) << refused;
        // An information header size Qt does not know: it reads the old 12-byte
        // header (768 x 513, 1 bit) and needs no more than these 28 bytes.
        QTest::newRow("old header, no pixels")
            << QByteArray::fromHex("424d 00000000 00000000 00420028 00000000 0003 0102 0100 0100 0001") << refused;
        QTest::newRow("RLE claims 2049 x 2048") << runLengthFile(2049, 2048, 8, "0001") << refused;
        QTest::newRow("GIF claims 8192 x 2048")
            << QByteArray::fromHex("474946383961 0020 0008 800000 000000ffffff 2c 0000 0000 0020 0008 00 02024401003b") << refused;
        QTest::newRow("RLE ends before the picture") << runLengthFile(4, 2, 8, "0201") << refused;
        QTest::newRow("RLE run without its colour") << runLengthFile(4, 2, 8, "0201 05") << refused;
        QTest::newRow("RLE delta cut short") << runLengthFile(4, 2, 8, "0002 01") << refused;
        QTest::newRow("RLE delta below the picture") << runLengthFile(4, 2, 8, "0002 0002 0001") << refused;
        QTest::newRow("RLE run past the end of a row") << runLengthFile(4, 2, 8, "0501 0001") << refused;
        // Formats a page never is, whatever the file is called.
        QTemporaryDir dir;
        test::MakeOddFile(dir.filePath("slow.BMP"), "slow svg");
        QTest::newRow("SVG") << ReadFile(dir.filePath("slow.BMP")) << refused;
        QTest::newRow("JPEG") << encoded(test::PageFromRows({"#.rnb"}), "JPEG") << refused;
        // Pictures that load.
        const QByteArray redThenBlue = QByteArray::fromHex("0000ff0000ff0000ff0000ff ff0000ff0000ff0000ff0000");
        QTest::newRow("bottom-up") << bitmapFile(4, 2, 24, 0, redThenBlue) << QStringList{"bbbb", "rrrr"};
        QTest::newRow("top-down") << bitmapFile(4, -2, 24, 0, redThenBlue) << QStringList{"rrrr", "bbbb"};
        QTest::newRow("pixel offset 0") << withPixelOffset(0, bitmapFile(4, 2, 24, 0, redThenBlue))
                                        << QStringList{"bbbb", "rrrr"};
        QTest::newRow("RLE8") << runLengthFile(4, 2, 8, "0400 0000 0003 01020100 0100 0001")
                              << QStringList{"b#br", "rrrr"};
        QTest::newRow("RLE4") << runLengthFile(5, 2, 4, "0501 0000 0005 12012000 0001")
                              << QStringList{"b#rb#", "rbrbr"};
        QTest::newRow("RLE without end code") << runLengthFile(4, 2, 8, "0401 0000 0402")
                                              << QStringList{"####", "bbbb"};
        // A run, an early end of line, a delta two to the right, a run, an early
        // end of bitmap: every pixel in between is white.
        QTest::newRow("RLE skips pixels") << runLengthFile(4, 3, 8, "0101 0000 00020200 0102 0001")
                                          << QStringList{"....", "..#.", "b..."};
        QTest::newRow("RLE top-down skips pixels") << runLengthFile(4, -3, 8, "0101 0000 00020200 0102 0001")
                                                   << QStringList{"b...", "..#.", "...."};
        QImage clear(2, 1, QImage::Format_ARGB32);
        clear.fill(Qt::transparent);
        QTest::newRow("four megapixels") << runLengthFile(2048, 2048, 8, "0001") << QStringList(2048, QString(2048, u'.'));
        QTest::newRow("transparent PNG on white, not outline") << encoded(clear, "PNG") << QStringList{".."};
    }
    void loadsPictures()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, rows);
        keepForFuzzing(bytes);
        const QImage picture = LoadPictureData(bytes);
        QCOMPARE(picture.isNull(), rows.isEmpty());
        QCOMPARE(RowsOf(picture), rows);
        if (!picture.isNull())
            QCOMPARE(picture.format(), QImage::Format_RGB32);
        // Loaded again: the same pixels, whatever memory the decoder is given.
        QTemporaryDir dir;
        WriteFile(dir.filePath("page.BMP"), bytes);
        QCOMPARE(LoadPicture(dir.filePath("page.BMP")), picture);
    }

    // A page is written only over a regular file or where none is; a file
    // chosen in the save dialog may also be reached through a link. Nothing
    // else is ever replaced, and no temporary file is left behind.
    void saveReplacesOnlyRegularFiles_data()
    {
        QTest::addColumn<QString>("existing");
        QTest::addColumn<bool>("chosen");  // a file chosen in the save dialog, else a page
        QTest::addColumn<bool>("saved");
        QTest::newRow("page, new") << "none" << false << true;
        QTest::newRow("page over a file") << "file" << false << true;
        QTest::newRow("page over a file, disk full half way") << "file, full" << false << false;
        QTest::newRow("page through a link") << "link to file" << false << false;
        QTest::newRow("chosen over a file") << "file" << true << true;
        QTest::newRow("chosen through a link") << "link to file" << true << true;
        QTest::newRow("chosen, link leads nowhere") << "link to nothing" << true << false;
        QTest::newRow("chosen, link to a FIFO") << "link to fifo" << true << false;
        QTest::newRow("chosen FIFO") << "fifo" << true << false;
        QTest::newRow("chosen directory") << "directory" << true << false;
    }
    void saveReplacesOnlyRegularFiles()
    {
        QFETCH(QString, existing);
        QFETCH(bool, chosen);
        QFETCH(bool, saved);
        QTemporaryDir dir;
        const QString path = dir.filePath("page.BMP");
        const QString notes = dir.filePath("notes.txt");
        WriteFile(notes, "notes");
        QFile::setPermissions(notes, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther);
        test::MakeOddFile(dir.filePath("pipe"), "fifo");
        if (existing.startsWith("file"))
            QFile::copy(notes, path);
        else if (existing.startsWith("link to "))
            QFile::link(QMap<QString, QString>{{"link to file", "notes.txt"}, {"link to fifo", "pipe"},
                                               {"link to nothing", "gone"}}[existing], path);
        else if (existing == "fifo")
            test::MakeOddFile(path, "fifo");
        else if (existing == "directory")
            test::MakeOddFile(path, "directory");
        const QString before = test::KindOf(path);
        const QFileDevice::Permissions permissions = QFileInfo(path).permissions();

        const QImage picture = test::ColouredPage(0, 16711680);
        bool written = false;
        test::WithFullDisk(existing.endsWith("full") ? 2000 : RLIM_INFINITY, [&] {
            written = SavePicture(picture, path, "BMP", chosen ? SaveTarget::ChosenFile : SaveTarget::Page);
        });
        QCOMPARE(written, saved);
        if (before == "file" && !saved)
            QCOMPARE(ReadFile(path), QByteArray("notes"));  // as it was
        QCOMPARE(test::KindOf(path), before == "none" ? QString("file") : before);
        QCOMPARE(test::KindOf(dir.filePath("pipe")), QString("fifo"));
        QCOMPARE(LoadPicture(path).isNull(), !saved);
        if (saved && existing != "none")
            QCOMPARE(QFileInfo(path).permissions(), permissions);
        QCOMPARE(ReadFile(notes) == "notes", !(saved && existing == "link to file"));
        QCOMPARE(QDir(dir.path()).entryList({"*.atoz-*"}, QDir::Files | QDir::Hidden), QStringList());
    }

    // Where a run keeps its pages, and which pages an older run left beside
    // the program come over to the per-user folder; `there` is in the
    // per-user folder before the run. Lists are written "a b c".
    void pageStoreDirectory_data()
    {
        QTest::addColumn<QString>("dataDir");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("beside");
        QTest::addColumn<QString>("there");
        QTest::addColumn<QString>("expected");  // the pages in the per-user folder afterwards
        QTest::newRow("--data-dir: pages beside stay there") << "chosen/pages" << "build/bin" << "b2f0p0.BMP" << ""
                                                             << "";
        QTest::newRow("run from the build folder") << "" << "build/bin" << "b2f0p0.BMP b2f7p25.BMP" << ""
                                                   << "b2f0p0.BMP b2f7p25.BMP";
        QTest::newRow("installed") << "" << "usr/bin" << "" << "" << "";
        QTest::newRow("read-only program folder") << "" << "read-only" << "b2f3p10.BMP" << "" << "b2f3p10.BMP";
        QTest::newRow("only page files") << "" << "build/bin"
                                         << "b2f0p0.BMP b2f8p0.BMP b2f0p26.BMP b2f0p1.bmp b3f0p0.BMP notes.txt" << ""
                                         << "b2f0p0.BMP";
        QTest::newRow("never over a page already there") << "" << "build/bin" << "b2f0p0.BMP b2f0p1.BMP"
                                                         << "b2f0p0.BMP" << "b2f0p0.BMP b2f0p1.BMP";
    }
    void pageStoreDirectory()
    {
        QFETCH(QString, dataDir);
        QFETCH(QString, program);
        QFETCH(QString, there);
        QFETCH(QString, expected);
        QFETCH(QString, beside);
        const QStringList besides = beside.split(u' ', Qt::SkipEmptyParts);
        QTemporaryDir dir;
        const QDir root(dir.path());
        const QString programDir = dir.filePath(program);
        const QString perUser = dir.filePath("home/.local/share/Vorlane/RezivIdod");
        QVERIFY(root.mkpath(program) && root.mkpath("usr/share/applications"));
        WriteFile(dir.filePath("usr/share/applications/book.desktop"), "[Desktop Entry]");
        for (const QString& name : besides)
            WriteFile(QDir(programDir).filePath(name), "beside " + name.toUtf8());
        for (const QString& name : there.split(u' ', Qt::SkipEmptyParts)) {
            root.mkpath(perUser);
            WriteFile(QDir(perUser).filePath(name), "coloured since");
        }
        const QFile::Permissions permissions = QFile::permissions(programDir);
        if (program == "read-only")
            QFile::setPermissions(programDir, QFile::ReadOwner | QFile::ExeOwner);
        const QString pages = startPages(dataDir.isEmpty() ? QString() : dir.filePath(dataDir), programDir, perUser);
        QFile::setPermissions(programDir, permissions);

        QCOMPARE(pages, dataDir.isEmpty() ? perUser : dir.filePath(dataDir));
        QVERIFY(QFileInfo(pages).isDir());
        QCOMPARE(QDir(perUser).entryList({"b2f*"}).join(u' '), expected);
        for (const QString& name : expected.split(u' ', Qt::SkipEmptyParts))
            QCOMPARE(ReadFile(QDir(perUser).filePath(name)),
                     there.contains(name) ? "coloured since" : "beside " + name.toUtf8());
        for (const QString& name : besides)  // left where they were
            QCOMPARE(ReadFile(QDir(programDir).filePath(name)), "beside " + name.toUtf8());
    }

    // The pages beside the program come over once: a later run copies none
    // again, not even a page no longer in the per-user folder; another
    // program folder has pages of its own to bring.
    void pagesBesideTheProgramComeOverOnce()
    {
        QTemporaryDir dir;
        const QString perUser = dir.filePath("data");
        const auto run = [&](const QString& program, const QString& page) {
            QDir().mkpath(dir.filePath(program));
            WriteFile(dir.filePath(program + '/' + page), "from " + program.toUtf8());
            if (startPages(QString(), dir.filePath(program), perUser) != perUser)
                return QString("another folder");
            return QDir(perUser).entryList({"b2f*"}).join(u' ');
        };
        QCOMPARE(run("build/bin", "b2f0p0.BMP"), QString("b2f0p0.BMP"));
        QCOMPARE(ReadFile(perUser + "/b2f0p0.BMP"), "from build/bin");
        QVERIFY(QFile::remove(perUser + "/b2f0p0.BMP"));
        QCOMPARE(run("build/bin", "b2f0p1.BMP"), QString());
        QCOMPARE(run("other/bin", "b2f5p5.BMP"), QString("b2f5p5.BMP"));
    }

    // Two starts in one test program, the first still running when the
    // second claims. A lock left empty or damaged, or naming another
    // computer, is no book's: the first start takes it over. A book that
    // cannot lock its folder still listens.
    void secondStart_data()
    {
        QTest::addColumn<QString>("secondDirectory");
        QTest::addColumn<QByteArray>("lock");  // what the lock file holds before the first start
        QTest::addColumn<bool>("lockable");
        QTest::addColumn<Start>("second");

        QTest::newRow("same folder: hands over") << "pages" << QByteArray() << true << Start::HandedOver;
        QTest::newRow("same folder by another path") << "other/../pages" << QByteArray() << true << Start::HandedOver;
        QTest::newRow("separate folders") << "other" << QByteArray() << true << Start::First;
        QTest::newRow("a folder that cannot be locked") << "pages" << QByteArray() << false << Start::HandedOver;
        QTest::newRow("an empty lock") << "pages" << QByteArray("") << true << Start::HandedOver;
        QTest::newRow("a damaged lock") << "pages" << QByteArray("\x01\xfe lock\n") << true << Start::HandedOver;
        QTest::newRow("another computer's lock") << "pages" << QByteArray("4242\natoz\nanother-computer\n") << true
                                                 << Start::HandedOver;
    }
    void secondStart()
    {
        QFETCH(QString, secondDirectory);
        QFETCH(QByteArray, lock);
        QFETCH(bool, lockable);
        QFETCH(Start, second);

        QTemporaryDir dir;
        QDir(dir.path()).mkpath("pages");
        QDir(dir.path()).mkpath("other");
        const QString first = lockable ? dir.filePath("pages") : test::UnwritablePath(dir.path(), "pages");
        const QString laterDirectory = lockable ? dir.filePath(secondDirectory) : first;
        if (!lock.isNull())
            WriteFile(SingleInstance::LockFileName(first), lock);

        if (!lockable)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot lock .*running without the lock"));
        auto running = std::make_unique<SingleInstance>(first);
        QCOMPARE(running->Claim(), lockable ? Start::First : Start::Unlocked);
        QSignalSpy shown(running.get(), &SingleInstance::showRequested);
        // The later start tries the lock ahead, on a thread of its own, as a
        // start of the book does.
        SingleInstance later(laterDirectory);
        std::thread([&later] { later.TryLock(); }).join();
        QCOMPARE(later.Claim("token-2"), second);
        QTRY_COMPARE(shown.count(), int(second == Start::HandedOver));
        QCOMPARE(shown.value(0).value(0).toString(), QString(second == Start::HandedOver ? "token-2" : ""));

        // Once the running book ends, its lock and socket file are gone and
        // the next start holds the folder.
        running.reset();
        if (lockable) {
            QVERIFY(!QFileInfo::exists(SingleInstance::LockFileName(first)));
            QVERIFY(!QFileInfo::exists(SingleInstance::ServerName(first)));
            QCOMPARE(SingleInstance(first).Claim(), Start::First);
        }
    }

    // A book in another process: a later start hands over to it; killed with
    // SIGKILL, it leaves its lock and socket file, which the next start takes
    // over. A socket file left by a book that is gone, on any folder, is
    // removed when a book ends well.
    void handOverToAnotherProcessAndTakeOverAfterKill()
    {
        QTemporaryDir dir, elsewhere;
        QProcess holder, other;  // copies of this test program that hold the folders
        QVERIFY(StartHolder(holder, dir.path()) && StartHolder(other, elsewhere.path()));
        QCOMPARE(SingleInstance(dir.path()).Claim(), Start::HandedOver);
        for (QProcess* process : {&holder, &other}) {
            process->kill();
            QVERIFY(process->waitForFinished(3000));
        }
        QVERIFY(QFileInfo::exists(SingleInstance::LockFileName(dir.path())));
        const QString left = SingleInstance::ServerName(elsewhere.path());
        QVERIFY(QFileInfo(left).isAbsolute() && QFileInfo::exists(SingleInstance::ServerName(dir.path())));
        test::AgeFile(left, 120);

        auto after = std::make_unique<SingleInstance>(dir.path());
        QCOMPARE(after->Claim(), Start::First);
        QSignalSpy shown(after.get(), &SingleInstance::showRequested);
        QCOMPARE(SingleInstance(dir.path()).Claim(), Start::HandedOver);
        QTRY_COMPARE(shown.count(), 1);
        QVERIFY(QFileInfo::exists(left));
        after.reset();
        QVERIFY(!QFileInfo::exists(left));
    }

    // A later start waits for a book that holds the lock and is slow to
    // listen, however long it takes, and then hands over to it.
    void waitsForABookThatStartsSlowly()
    {
        QTemporaryDir dir;
        QProcess holder;
        QVERIFY(StartHolder(holder, dir.path(), true));
        testHandler = qInstallMessageHandler(recordMessage);
        // Once the later start says it waits, the book listens.
        std::thread starting([&dir] {
            for (int wait = 0; wait < 1000; ++wait) {
                {
                    const QMutexLocker locked(&messagesLock);
                    if (!messages.filter("waiting for the book that holds").isEmpty())
                        break;
                }
                QThread::msleep(10);
            }
            WriteFile(dir.filePath("listen"), "");
        });
        SingleInstance later(dir.path());
        later.SetHandOverWait(0);
        const Start claimed = later.Claim();
        starting.join();
        qInstallMessageHandler(testHandler);
        QCOMPARE(claimed, Start::HandedOver);
        QVERIFY(!messages.filter("waiting for the book that holds").isEmpty());
        holder.kill();
        QVERIFY(holder.waitForFinished(3000));
        QCOMPARE(SingleInstance(dir.path()).Claim(), Start::First);  // and its socket file goes with it
    }

    // Pages and chosen files the book writes are their owner's to read and
    // write, and never executable, setuid, setgid or sticky: a new file as
    // the umask (022 here) says, a replaced page within that, a chosen file
    // as it was within 0666.
    void writtenFilesAreTheirOwners_data()
    {
        QTest::addColumn<int>("before");  // -1: no file
        QTest::addColumn<bool>("chosen");
        QTest::addColumn<int>("after");
        QTest::newRow("new page") << -1 << false << 0644;
        QTest::newRow("page nobody could read") << 0000 << false << 0600;
        QTest::newRow("page with every bit") << 07777 << false << 0644;
        QTest::newRow("page for the group") << 0640 << false << 0640;
        QTest::newRow("shared page") << 0664 << false << 0644;
        QTest::newRow("shared chosen file") << 0664 << true << 0664;
        QTest::newRow("executable chosen file") << 04755 << true << 0644;
    }
    void writtenFilesAreTheirOwners()
    {
        QFETCH(int, before);
        QFETCH(bool, chosen);
        QTemporaryDir dir;
        const QString path = dir.filePath("page.BMP");
        if (before >= 0) {
            WriteFile(path, "earlier");
            QCOMPARE(::chmod(QFile::encodeName(path).constData(), mode_t(before)), 0);
        }
        QVERIFY(SavePicture(test::ColouredPage(1, 255), path, "BMP", chosen ? SaveTarget::ChosenFile : SaveTarget::Page));
        struct stat status = {};
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &status), 0);
        QTEST(int(status.st_mode & 07777), "after");
    }
};

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsSet(HolderVariable))
        return HoldDirectory(argc, argv);
    QCoreApplication app(argc, argv);
    PlatformTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_platform.moc"
