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

    std::unique_ptr<test::Book> book_;
    ContentsView* view_ = nullptr;
    Progress progress_;

    QWidget* find(const QString& name) const { return book_->find(name); }
    QScrollBar* scroll() const { return Find<QScrollBar>(view_, "ContentsScroll"); }

private slots:
    void init()
    {
        book_ = std::make_unique<test::Book>();
        view_ = Find<ContentsView>(&book_->window(), "ContentsView");
    }
    void cleanup() { book_.reset(); }

    void loadingAFolder()
    {
        const QImage coloured = test::ColouredPage(2, 255);
        QVERIFY(SavePicture(coloured, book_->PageFile(4, 2)));
        QImage portrait(400, 480, QImage::Format_RGB32);
        portrait.fill(Qt::green);
        QVERIFY(SavePicture(portrait, book_->PageFile(4, 5)));
        test::WriteFile(book_->PageFile(4, 8), "");  // damaged: empty

        book_->Click("OpenFolder_4");
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
        QVERIFY(!book_->window().findChild<frmProgressForm*>());  // gone once the pages are in
    }

    void sheetScrollsByWholeRows()
    {
        // 616 x 404 pixels less the bar: three columns, three whole rows show.
        book_->Click("OpenFolder_0");
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

    void namesWindowKeyboardOrder()
    {
        frmName window(book_->window().folderNames(), &book_->window());
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
