#include "folders/bookmark.h"
#include "folders/foldernames.h"
#include "folders/folderstore.h"
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

namespace {

QImage scribbled(QImage page, Colour colour)
{
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (FromQRgb(page.pixel(x, y)) == White)
                page.setPixel(x, y, ToQRgb(colour));
    return page;
}

}  // namespace

class ContentsViewTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<SettingsStore> settings_;
    std::unique_ptr<FolderNames> names_;
    std::unique_ptr<FolderStore> store_;
    Bookmark bookmark_;
    Progress progress_;
    test::FakeMessageBox messages_;
    std::unique_ptr<ContentsView> view_;

    template <typename T = QWidget>
    T* find(const QString& name) const
    {
        T* widget = view_->findChild<T*>(name);
        if (!widget)
            qFatal("no widget %s", qPrintable(name));
        return widget;
    }
    QColor colourOf(const QString& name, QPalette::ColorRole role) const
    {
        return find(name)->palette().color(role);
    }

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        settings_ = std::make_unique<SettingsStore>(dir_->filePath("settings.ini"));
        names_ = std::make_unique<FolderNames>(*settings_);
        names_->LoadFolderNames();
        store_ = std::make_unique<FolderStore>(dir_->path());
        bookmark_ = Bookmark();
        messages_.shown.clear();
        view_ = std::make_unique<ContentsView>(bookmark_, *store_, *names_, progress_, messages_);
        view_->resize(622, 429);  // the main window's client area
        view_->show();
        QVERIFY(QTest::qWaitForWindowExposed(view_.get()));
    }
    void cleanup() { view_.reset(); }

    void freshFolderShowsTheLibrary()
    {
        view_->OpenFolder(0);
        for (int i = 0; i < PageCount; ++i) {
            Thumbnail* thumbnail = view_->Thumb(i);
            QVERIFY(thumbnail->isVisible());
            QCOMPARE(thumbnail->Picture(), LoadPagePicture(i));
            QCOMPARE(thumbnail->geometry(), QRect(0, 0, 141, 118));
        }
        QVERIFY(messages_.shown.isEmpty());
        QVERIFY(!progress_.Current());
    }

    void storedPagesAndFallbacks()
    {
        const QImage coloured = scribbled(LoadPagePicture(2), 255);
        QVERIFY(SavePicture(coloured, store_->FolderPageFileName(4, 2)));
        QImage portrait(400, 480, QImage::Format_RGB32);
        portrait.fill(Qt::green);
        QVERIFY(SavePicture(portrait, store_->FolderPageFileName(4, 5)));
        for (int damaged : {7, 8, 9}) {
            QFile file(store_->FolderPageFileName(4, damaged));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(damaged == 7 ? QByteArray() : QByteArray("BM not really"));
        }

        view_->OpenFolder(4);
        QCOMPARE(view_->Thumb(2)->Picture(), coloured);
        QCOMPARE(view_->Thumb(5)->Picture(), portrait);
        QCOMPARE(view_->Thumb(5)->geometry(), QRect(21, 0, 98, 118));  // fitted to the height, centred
        for (int page : {0, 7, 8, 9, 25})
            QCOMPARE(view_->Thumb(page)->Picture(), LoadPagePicture(page));
        QVERIFY(messages_.shown.isEmpty());
        QVERIFY(QFileInfo::exists(store_->FolderPageFileName(4, 8)));  // the bad file stays
    }

    void tabsMarkTheOpenFolder()
    {
        view_->SelectFolder(5);
        QCOMPARE(bookmark_.CurrentFolder(), 5);
        QCOMPARE(colourOf("UserCmdChangeFolder_5", QPalette::Window), QColor(Qt::black));
        QCOMPARE(colourOf("UserCmdChangeFolder_5", QPalette::WindowText), QColor(Qt::white));
        QCOMPARE(find("UserCmdChangeFolder_5")->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(find("ImagePoint")->y(), find("UserCmdChangeFolder_5")->y());

        view_->ReleaseFolderTab();
        QCOMPARE(bookmark_.CurrentFolder(), 5);
        QCOMPARE(colourOf("UserCmdChangeFolder_5", QPalette::Window), ToQColor(8421631));
        QCOMPARE(colourOf("UserCmdChangeFolder_5", QPalette::WindowText), QColor(Qt::black));
        QCOMPARE(find("UserCmdChangeFolder_5")->cursor().shape(), Qt::BitmapCursor);
    }

    void theOpenFoldersTabChangesNothing()
    {
        view_->OpenFolder(1);
        find<QScrollBar>("ContentsScroll")->setValue(2);
        QVERIFY(SavePicture(scribbled(LoadPagePicture(0), 255), store_->FolderPageFileName(1, 0)));

        QTest::mouseClick(find("UserCmdChangeFolder_1"), Qt::LeftButton);
        QCOMPARE(find<QScrollBar>("ContentsScroll")->value(), 2);
        QCOMPARE(view_->Thumb(0)->Picture(), LoadPagePicture(0));  // not reloaded

        QTest::mouseClick(find("UserCmdChangeFolder_3"), Qt::LeftButton);
        QCOMPARE(bookmark_.CurrentFolder(), 3);
        QCOMPARE(find<QScrollBar>("ContentsScroll")->value(), 0);  // a folder opens at its first row
        QCOMPARE(colourOf("UserCmdChangeFolder_1", QPalette::Window), ToQColor(FolderColour(1)));
        QTest::mouseClick(find("UserCmdChangeFolder_1"), Qt::LeftButton);
        QCOMPARE(FromQRgb(view_->Thumb(0)->Picture().pixel(0, 0)), Colour(255));  // reloaded from disk
    }

    void sheetScrollsByWholeRows()
    {
        // 622 x 429 pixels less the bar: three columns, three whole rows show.
        auto* scroll = find<QScrollBar>("ContentsScroll");
        QCOMPARE(scroll->maximum(), 6);
        QVERIFY(scroll->isEnabled());
        QCOMPARE(view_->Thumbnailbox(3)->pos(), TwipsPoint(100, 1966));
        scroll->setValue(2);
        QCOMPARE(find("ContentsPage")->y(), -TwipsToPixels(2 * 1866));
        scroll->setValue(6);
        QCOMPARE(find("ContentsPage")->y(), -TwipsToPixels(11196));

        view_->resize(622, 2000);  // everything fits
        QVERIFY(!scroll->isEnabled());
        QCOMPARE(scroll->value(), 0);
        QCOMPARE(scroll->maximum(), 32767);
        QCOMPARE(find("ContentsPage")->y(), 0);
    }

    void clickingAPageChoosesIt()
    {
        view_->OpenFolder(0);
        QSignalSpy chosen(view_.get(), &ContentsView::pageChosen);
        QTest::mouseClick(view_->Thumb(4), Qt::LeftButton);
        QTest::mouseClick(view_->Thumbnailbox(7), Qt::LeftButton, {}, QPoint(2, 2));  // its margin
        QCOMPARE(chosen.count(), 2);
        QCOMPARE(chosen[0][0].toInt(), 4);
        QCOMPARE(chosen[1][0].toInt(), 7);
    }

    void commandsAnnounceThemselves()
    {
        QSignalSpy home(view_.get(), &ContentsView::homeClicked);
        QSignalSpy exit(view_.get(), &ContentsView::exitClicked);
        QTest::mouseClick(find("UserCmdHome"), Qt::LeftButton);
        QTest::mouseClick(find("UserCmdExit_1"), Qt::LeftButton);
        QCOMPARE(home.count(), 1);
        QCOMPARE(exit.count(), 1);
    }

    void storingAColouredPage()
    {
        view_->OpenFolder(6);
        const QImage coloured = scribbled(LoadPagePicture(4), 16711680);
        QVERIFY(view_->StoreColouredPage(4, coloured));
        QCOMPARE(view_->Thumb(4)->Picture(), coloured);
        QCOMPARE(LoadPicture(store_->FolderPageFileName(6, 4)), coloured);
        QVERIFY(messages_.shown.isEmpty());
    }

    void failedWriteIsReportedAndNothingIsLost()
    {
        FolderStore unwritable(test::UnwritablePath(dir_->path(), "pages"));
        view_ = std::make_unique<ContentsView>(bookmark_, unwritable, *names_, progress_, messages_);
        view_->OpenFolder(2);
        const QImage coloured = scribbled(LoadPagePicture(10), 255);
        QVERIFY(!view_->StoreColouredPage(10, coloured));
        QCOMPARE(messages_.shown.size(), 1);
        QCOMPARE(messages_.shown[0].first, QString("File Save Error"));
        QCOMPARE(messages_.shown[0].second, QString("Your coloring page was not saved."));
        QCOMPARE(view_->Thumb(10)->Picture(), coloured);
        // Home and back: the folder still holds the colouring.
        view_->HideThumbnails();
        view_->OpenFolder(2);
        QCOMPARE(view_->Thumb(10)->Picture(), coloured);
        QCOMPARE(messages_.shown.size(), 1);
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
        QCOMPARE(window->size(), TwipsSize(6105, 870));
        // Centred over the owner's outer rectangle.
        QCOMPARE(window->pos(), QPoint(100 + (622 - window->width()) / 2, 50 + (429 - window->height()) / 2));

        const QList<QPair<int, int>> steps = {{2, 2}, {-5, 0}, {26, 26}, {1, 26}, {-100000, 0}};
        for (const auto& [n, expected] : steps) {
            progress_.StepProgress(n);
            QCOMPARE(window->Bar()->value(), expected);
        }
        progress_.CloseProgress();
        QVERIFY(!progress_.Current());
        progress_.StepProgress(1);  // nothing showing: nothing happens
    }

    void tabsShowTheNames()
    {
        QCOMPARE(find<QLabel>("UserCmdChangeFolder_0")->text(), QString("Your Name"));
        names_->StoreFolderNames({"Mia", "Leo"});
        QCOMPARE(find<QLabel>("UserCmdChangeFolder_0")->text(), QString("Mia"));
        QCOMPARE(find<QLabel>("UserCmdChangeFolder_1")->text(), QString("Leo"));
        QCOMPARE(find<QLabel>("UserCmdChangeFolder_2")->text(), QString(""));
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
        frmName window(*names_, view_.get());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.TextYourName(1)->text(), QString("Leo"));

        window.TextYourName(0)->clear();
        QTest::keyClicks(window.TextYourName(0), "Alexandrina");  // 11 letters: the last does not fit
        window.TextYourName(2)->clear();
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
        QCOMPARE(find<QLabel>("UserCmdChangeFolder_0")->text(), QString("Alexandrin"));
    }

    void namesWindowLayout()
    {
        frmName window(*names_, view_.get());
        QCOMPARE(window.windowTitle(), QString("Vorlane Coloring Books"));
        QCOMPARE(window.size(), TwipsSize(4560, 4605));
        QCOMPARE(window.TextYourName(3)->geometry(), TwipsRect(960, 180 + 540 * 3, 1995, 495));
        QCOMPARE(window.TextYourName(3)->maxLength(), 10);
        QCOMPARE(window.findChild<QLabel*>("LabelNameId_3")->text(), QString("4"));
        QCOMPARE(window.findChild<QLabel*>("LabelNameId_3")->palette().color(QPalette::Window),
                 ToQColor(FolderColour(3)));
        // Keyboard order: OK, then the boxes in folder order.
        QWidget* focus = window.CmdOK();
        for (int i = 0; i < FolderCount; ++i) {
            focus = focus->nextInFocusChain();
            while (focus->focusPolicy() == Qt::NoFocus)
                focus = focus->nextInFocusChain();
            QCOMPARE(focus, window.TextYourName(i));
        }
    }
};

QTEST_MAIN(ContentsViewTest)
#include "tst_contentsview.moc"
