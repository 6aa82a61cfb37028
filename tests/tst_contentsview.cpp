#include "folders/foldermodel.h"
#include "folders/foldernames.h"
#include "folders/namewindow.h"
#include "folders/progresswindow.h"
#include "mainwindow/contentsview.h"
#include "pages/pagelibrary.h"
#include "platform/picture.h"
#include "platform/settingsstore.h"
#include "platform/twips.h"
#include "support/testsupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace atoz;
using test::Find;

class ContentsViewTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<SettingsStore> settings_;
    std::unique_ptr<FolderNames> names_;
    std::unique_ptr<FolderModel> folder_;
    FolderStore* store_ = nullptr;
    Progress progress_;
    std::unique_ptr<ContentsView> view_;

    QWidget* find(const QString& name) const { return Find(view_.get(), name); }
    QColor colour(const QString& name, QPalette::ColorRole role) const { return find(name)->palette().color(role); }
    QScrollBar* scroll() const { return Find<QScrollBar>(view_.get(), "ContentsScroll"); }
    void makeView()
    {
        view_ = std::make_unique<ContentsView>(*folder_, *names_, progress_);
        view_->resize(616, 404);  // the main window's client area
        view_->show();
    }

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        settings_ = std::make_unique<SettingsStore>(dir_->filePath("settings.ini"));
        names_ = std::make_unique<FolderNames>(*settings_);
        names_->LoadFolderNames();
        folder_ = std::make_unique<FolderModel>(dir_->path());
        store_ = &folder_->store();
        makeView();
    }

    void loadingAFolder()
    {
        const QImage coloured = test::ColouredPage(2, 255);
        QVERIFY(SavePicture(coloured, store_->FolderPageFileName(4, 2)));
        QImage portrait(400, 480, QImage::Format_RGB32);
        portrait.fill(Qt::green);
        QVERIFY(SavePicture(portrait, store_->FolderPageFileName(4, 5)));
        QFile damaged(store_->FolderPageFileName(4, 8));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.close();

        view_->OpenFolder(4);
        for (int i = 0; i < PageCount; ++i) {
            QVERIFY(view_->Thumbnail(i)->isVisible());
            if (i != 2 && i != 5) {
                QCOMPARE(view_->Thumbnail(i)->Picture(), LoadPagePicture(i));  // the library, damaged file too
                QCOMPARE(view_->Thumbnail(i)->geometry(), QRect(0, 0, 141, 118));
            }
        }
        QCOMPARE(view_->Thumbnail(2)->Picture(), coloured);
        QCOMPARE(view_->Thumbnail(5)->Picture(), portrait);
        QCOMPARE(view_->Thumbnail(5)->geometry(), QRect(21, 0, 98, 118));  // fitted to the height, centred
        QVERIFY(!progress_.Current());
    }

    void sheetScrollsByWholeRows()
    {
        // 616 x 404 pixels less the bar: three columns, three whole rows show.
        QCOMPARE(scroll()->maximum(), 6);
        QVERIFY(scroll()->isEnabled());
        QCOMPARE(view_->Thumbnailbox(3)->pos(), TwipsPoint(100, 1966));
        scroll()->setValue(6);
        QCOMPARE(find("ContentsPage")->y(), -TwipsToPixels(11196));

        view_->resize(616, 2000);  // every row fits
        QVERIFY(!scroll()->isEnabled());
        QCOMPARE(scroll()->value(), 0);
        QCOMPARE(scroll()->maximum(), 32767);
        QCOMPARE(find("ContentsPage")->y(), 0);
    }

    void progressWindow()
    {
        QWidget owner;
        owner.setGeometry(100, 50, 622, 429);
        owner.show();
        progress_.ShowProgress(&owner, 0, 26, "Loading Pages ...");
        frmProgressForm* window = progress_.Current();
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->HeaderText()->text(), QString("Loading Pages ..."));
        QCOMPARE(window->Bar()->value(), 0);
        QCOMPARE(window->Bar()->maximum(), 26);
        QVERIFY(window->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(window->pos(), QPoint(100 + (622 - window->width()) / 2, 50 + (429 - window->height()) / 2));

        const QList<QPair<int, int>> steps = {{2, 2}, {-5, 0}, {26, 26}, {1, 26}, {-100000, 0}};
        for (const auto& [n, expected] : steps) {
            progress_.StepProgress(n);
            QCOMPARE(window->Bar()->value(), expected);
        }
        progress_.CloseProgress();
        QVERIFY(!progress_.Current());
    }

    void namesWindowStoresOnEveryClose_data()
    {
        QTest::addColumn<QString>("close");
        QTest::newRow("OK") << "ok";
        QTest::newRow("close box") << "close";
        QTest::newRow("escape") << "escape";
    }
    void namesWindowStoresOnEveryClose()
    {
        QFETCH(QString, close);
        names_->StoreFolderNames({"Mia", "Leo", "Sam"});
        settings_->SaveSetting("Book2", "Name3", "Maximilianus");  // longer than a box holds: edited by hand
        names_->LoadFolderNames();
        frmName window(*names_, view_.get());
        window.show();
        QCOMPARE(window.TextYourName(1)->text(), QString("Leo"));

        QTest::keyClick(window.TextYourName(0), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(window.TextYourName(0), "Alexandrina");  // 11 letters: the last does not fit
        QTest::keyClick(window.TextYourName(2), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(window.TextYourName(2), Qt::Key_Delete);
        if (close == "ok")
            QTest::mouseClick(window.CmdOK(), Qt::LeftButton);
        else if (close == "close")
            window.close();
        else
            QTest::keyClick(&window, Qt::Key_Escape);

        QVERIFY(!window.isVisible());
        QCOMPARE(settings_->GetSetting("Book2", "Name0", ""), QString("Alexandrin"));
        QCOMPARE(settings_->GetSetting("Book2", "Name2", "missing"), QString(""));
        QCOMPARE(settings_->GetSetting("Book2", "Name7", "missing"), QString(""));  // all 8 rewritten
        QCOMPARE(settings_->GetSetting("Book2", "Name3", ""), QString("Maximilianus"));  // untouched, kept whole
        QCOMPARE(Find<QLabel>(view_.get(), "UserCmdChangeFolder_0")->text(), QString("Alexandrin"));
    }

    void namesWindowKeyboardOrder()
    {
        frmName window(*names_, view_.get());
        QCOMPARE(window.TextYourName(3)->geometry(), TwipsRect(960, 180 + 540 * 3, 1995, 495));
        QWidget* focus = window.CmdOK();
        for (int i = 0; i < FolderCount; ++i) {
            do
                focus = focus->nextInFocusChain();
            while (focus->focusPolicy() == Qt::NoFocus);
            QCOMPARE(focus, window.TextYourName(i));
        }
    }
};

QTEST_MAIN(ContentsViewTest)
#include "tst_contentsview.moc"
