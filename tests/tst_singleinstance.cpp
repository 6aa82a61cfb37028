#include "platform/singleinstance.h"
#include "support/testsupport.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>
#include <memory>

using namespace atoz;

namespace {

using Start = SingleInstance::Start;

// Set for a copy of this test program that only holds a directory, as a
// running book does, until it is killed.
constexpr char HolderVariable[] = "ATOZ_HOLD_DIRECTORY";

int HoldDirectory(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    SingleInstance instance(qEnvironmentVariable(HolderVariable));
    if (instance.Claim() != Start::First)
        return 1;
    std::puts("holding");
    std::fflush(stdout);
    return app.exec();
}

}  // namespace

class SingleInstanceTest : public QObject
{
    Q_OBJECT

private slots:
    // Two starts in one test program, the first still running when the
    // second claims.
    void secondStart_data()
    {
        QTest::addColumn<QString>("secondDirectory");
        QTest::addColumn<bool>("lockable");
        QTest::addColumn<Start>("second");

        QTest::newRow("same folder: hands over") << "pages" << true << Start::HandedOver;
        QTest::newRow("same folder by another path") << "other/../pages" << true << Start::HandedOver;
        QTest::newRow("separate folders") << "other" << true << Start::First;
        QTest::newRow("a folder that cannot be locked") << "pages" << false << Start::Unlocked;
    }
    void secondStart()
    {
        QFETCH(QString, secondDirectory);
        QFETCH(bool, lockable);
        QFETCH(Start, second);

        QTemporaryDir dir;
        QDir(dir.path()).mkpath("pages");
        QDir(dir.path()).mkpath("other");
        const QString first = lockable ? dir.filePath("pages") : test::UnwritablePath(dir.path(), "pages");
        const QString later = lockable ? dir.filePath(secondDirectory) : first;

        if (!lockable) {
            for (int start = 0; start < 2; ++start)
                QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot lock .*running without the lock"));
        }
        auto running = std::make_unique<SingleInstance>(first);
        QCOMPARE(running->Claim(), lockable ? Start::First : Start::Unlocked);
        QSignalSpy shown(running.get(), &SingleInstance::showRequested);
        {
            SingleInstance start(later);
            QCOMPARE(start.Claim("token-2"), second);
        }
        if (second == Start::HandedOver) {
            QTRY_COMPARE(shown.count(), 1);
            QCOMPARE(shown.at(0).at(0).toString(), QString("token-2"));
        } else {
            QTest::qWait(100);
            QCOMPARE(shown.count(), 0);
        }

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
    // over.
    void handOverToAnotherProcessAndTakeOverAfterKill()
    {
        QTemporaryDir dir;
        QProcess holder;  // a copy of this test program that holds the folder
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(HolderVariable, dir.path());
        holder.setProcessEnvironment(env);
        holder.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(holder.waitForReadyRead(10000) && holder.readLine().trimmed() == "holding");
        QCOMPARE(SingleInstance(dir.path()).Claim(), Start::HandedOver);
        holder.kill();
        QVERIFY(holder.waitForFinished(3000));
        QVERIFY(QFileInfo::exists(SingleInstance::LockFileName(dir.path())));
        QVERIFY(QFileInfo::exists(SingleInstance::ServerName(dir.path())));

        SingleInstance after(dir.path());
        QCOMPARE(after.Claim(), Start::First);
        QSignalSpy shown(&after, &SingleInstance::showRequested);
        QCOMPARE(SingleInstance(dir.path()).Claim(), Start::HandedOver);
        QTRY_COMPARE(shown.count(), 1);
    }
};

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsSet(HolderVariable))
        return HoldDirectory(argc, argv);
    QCoreApplication app(argc, argv);
    SingleInstanceTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_singleinstance.moc"
