#include "folders/foldernames.h"
#include "folders/namewindow.h"
#include "folders/progresswindow.h"
#include "info/aboutwindow.h"
#include "info/bookswindow.h"
#include "info/infowindow.h"
#include "info/webwindow.h"
#include "output/printquerywindow.h"
#include "output/savefile.h"
#include "palette/paintcolorwindow.h"
#include "platform/language.h"
#include "platform/twips.h"
#include "platform/ui/browser.h"
#include "platform/ui/controls.h"
#include "platform/ui/focusring.h"
#include "support/testsupport.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QLibraryInfo>
#include <QTranslator>
#include <QtTest>

#include <cmath>
#include <cstring>
#include <functional>
#include <optional>
#include <vector>

using namespace atoz;

namespace {

// The book's own texts in `language` while it lives; English speaks as is.
class Speaking
{
public:
    explicit Speaking(const QString& language)
    {
        if (language != QLatin1String(English) && translator_.load("atoz_" + language, ":/i18n"))
            QCoreApplication::installTranslator(&translator_);
    }
    ~Speaking() { QCoreApplication::removeTranslator(&translator_); }

private:
    QTranslator translator_;
};

// Where a control's text puts ink, in its parent: drawn as the control
// draws it, in its box, but with room all round to see what spills out.
QRect inkOf(const QWidget* control, const QString& text, int flags)
{
    const QRect box = control->contentsRect();
    const int room = box.height() + box.width();
    QImage canvas(box.size() + QSize(2 * room, 2 * room), QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        painter.setFont(control->font());
        // Unclipped: QPainter keeps text to the box it is given, and what
        // it cuts off is what is wrong.
        painter.drawText(box.translated(room - box.left(), room - box.top()), flags | Qt::TextDontClip, text);
    }
    // Each line with ink adds its first and last inked pixel; a line of
    // nothing is passed over whole.
    QRect ink;
    const std::vector<QRgb> blank(std::size_t(canvas.width()), 0);
    const std::size_t lineBytes = blank.size() * sizeof(QRgb);
    for (int y = 0; y < canvas.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
        if (std::memcmp(line, blank.data(), lineBytes) == 0)
            continue;
        int first = 0, last = canvas.width() - 1;
        while (line[first] == 0)
            ++first;
        while (line[last] == 0)
            --last;
        ink |= QRect(QPoint(first, y), QPoint(last, y));
    }
    return ink.translated(box.left() - room, box.top() - room).translated(control->pos());
}

// What is wrong with the texts under `root`: one that does not fit its box,
// runs into another text or a control beside it, or has a character its face
// cannot draw. Outlines drawn under controls, and the keyboard's focus ring
// over them, are passed over.
QStringList troubleUnder(const QWidget* root)
{
    struct Text
    {
        const QWidget* control;
        QString text;
        QRect ink;
    };
    std::vector<Text> texts;
    QStringList trouble;
    for (const QWidget* control : root->findChildren<QWidget*>()) {
        if (!control->isVisibleTo(root))
            continue;
        QString text;
        int flags = 0;
        if (const auto* label = qobject_cast<const QLabel*>(control)) {
            text = label->text();
            flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
            text = button->text();
            flags = Qt::AlignCenter | Qt::TextShowMnemonic;
        } else if (const auto* box = qobject_cast<const QLineEdit*>(control)) {
            text = box->text();
            flags = Qt::AlignLeft | Qt::AlignVCenter;
        }
        if (text.isEmpty())
            continue;
        const QString name = QStringLiteral("%1 \"%2\"").arg(control->objectName(), text);
        const QFontMetrics metrics(control->font());
        for (const uint character : text.toUcs4())
            if (character > u' ' && !metrics.inFontUcs4(character))
                trouble.append(name + QStringLiteral(": U+%1 is not in the face").arg(character, 4, 16, QChar(u'0')));
        // A glyph's soft edge, or a letter's overhang at the start of a line,
        // may reach a pixel past the box at the classic size, as in any label.
        const int overhang = int(std::ceil(BookScaleOf(control)));
        const QRect ink = inkOf(control, text, flags).adjusted(overhang, overhang, -overhang, -overhang);
        if (!control->geometry().contains(ink))
            trouble.append(name + QStringLiteral(": does not fit its box"));
        // A label placed after another one's text may stand partly outside
        // its window.
        if (!control->parentWidget()->rect().contains(ink))
            trouble.append(name + QStringLiteral(": runs out of its window"));
        texts.push_back({control, name, ink});
    }
    for (const Text& text : texts) {
        const QWidget* parent = text.control->parentWidget();
        for (const QWidget* other : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (other == text.control || !other->isVisibleTo(root) || qobject_cast<const OutlineShape*>(other)
                || qobject_cast<const FocusRing*>(other) || qobject_cast<const QLabel*>(other))
                continue;  // labels are compared by their ink, below
            // A text keeps clear of the tiles and pictures beside it by two
            // pixels at the classic size.
            const int air = TwipsToPixels(2 * TwipsPerPixel, BookScaleOf(other));
            if (other->geometry().adjusted(-air, -air, air, air).intersects(text.ink))
                trouble.append(text.text + QStringLiteral(": runs into ") + other->objectName());
        }
        for (const Text& other : texts)
            if (&other != &text && other.control->parentWidget() == parent && other.ink.intersects(text.ink))
                trouble.append(text.text + QStringLiteral(": runs into ") + other.text);
    }
    return trouble;
}

}  // namespace

// The book in every language it speaks: which language a run speaks, and
// every text of every view and window fitting its place at the classic size
// and at 2.5, in the book's face.
class LanguageTest : public QObject
{
    Q_OBJECT

private slots:
    void chooseLanguage_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QStringList>("system");
        QTest::addColumn<QString>("language");
        QTest::newRow("the system's") << "" << "" << QStringList{"de-AT", "de"} << "de";
        QTest::newRow("the first the book speaks") << "" << "" << QStringList{"ja-JP", "nl-BE", "fr"} << "nl";
        QTest::newRow("English before it") << "" << "" << QStringList{"en-GB", "de"} << "en";
        QTest::newRow("none it speaks") << "" << "" << QStringList{"ja-JP", "C"} << "en";
        QTest::newRow("the setting over the system") << "" << "fr" << QStringList{"de"} << "fr";
        QTest::newRow("the option over the setting") << "it" << "fr" << QStringList{"de"} << "it";
        QTest::newRow("a region of a language") << "pt_BR" << "" << QStringList{"de"} << "pt";
        QTest::newRow("English asked for") << "en" << "fr" << QStringList{"de"} << "en";
        QTest::newRow("unknown: English") << "xx" << "fr" << QStringList{"de"} << "en";
        QTest::newRow("nonsense setting: English") << "" << "12" << QStringList{"de"} << "en";
    }
    void chooseLanguage()
    {
        QFETCH(QString, option);
        QFETCH(QString, setting);
        QFETCH(QStringList, system);
        QTEST(ChooseLanguage(option, setting, system, {"de", "fr", "es", "it", "nl", "pt", "pl", "sv"}), "language");
    }

    // Qt's own dialogs follow the book, in the region its translation is
    // written for; where Qt's catalogue for that region is an older one
    // without the standard buttons, another region's gives them.
    void qtDialogsFollow_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("save");    // the file dialog's button
        QTest::addColumn<QString>("cancel");  // a standard button
        QTest::newRow("German") << "de" << "de_DE" << "S&peichern" << "Abbrechen";
        QTest::newRow("Portugal's Portuguese") << "pt" << "pt_PT" << "&Gravar" << "Cancelar";
    }
    void qtDialogsFollow()
    {
        QFETCH(QString, language);
        if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qt_" + language + ".qm")
            && QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath)).entryList({"qt_" + language + "_*"}).isEmpty())
            QSKIP("needs Qt's translations (qt6-translations-l10n)");
        SpeakLanguage(language);
        const auto spoken = [](const char* context, const char* text) {
            return QCoreApplication::translate(context, text);
        };
        QTEST(QLocale().name(), "locale");
        QTEST(spoken("QFileDialog", "&Save"), "save");
        QTEST(spoken("QPlatformTheme", "Cancel"), "cancel");
        qDeleteAll(qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly));
        QLocale::setDefault(QLocale::system());
    }

    // A copy nobody named keeps no name in the settings, whatever language
    // showed it the default: the names window closed in German writes none,
    // and the next run, in French, says the French default.
    void untouchedNamesFollowTheLanguage()
    {
        std::optional<Speaking> speaking(std::in_place, "de");
        test::Book book;
        const auto answered = test::WhenModal<frmName>([](frmName* window) { test::Click(window, "CmdOK"); });
        book.Click("UserCmdNamePic");
        for (int i = 0; i < FolderCount; ++i)
            QVERIFY(!book.settings.Setting(FolderNames::Section, FolderNames::SettingsKey(i)));
        speaking.emplace("fr");
        book.Start();
        QCOMPARE(book.Find<QLabel>("OpenFolderNumber_0")->text(), QString("Ton nom"));
    }

    void textsFit_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<double>("scale");
        for (const QString& language : QStringList{English} + ShippedLanguages())
            for (double scale : {1.0, 2.5})
                QTest::addRow("%s at %g", qPrintable(language), scale) << language << scale;
    }
    void textsFit()
    {
        QFETCH(QString, language);
        QFETCH(double, scale);
        const Speaking speaking(language);
        // Translations the book does more with than show: a copy's default
        // name shows whole in a names box, a file type keeps its pattern.
        QVERIFY(FolderNames::DefaultName().size() <= FolderNames::MaxLength);
        QCOMPARE(SaveFileFilters().replaceInStrings(QRegularExpression(".*\\("), "("), QStringList({"(*.bmp)", "(*.png)"}));
        test::Book book(scale);
        frmRezivIdod& window = book.window();
        QStringList trouble;
        const auto look = [&](QWidget* root) { trouble += troubleUnder(root); };
        look(&window);
        book.Click("OpenFolder_0");
        look(&window);
        book.Click("Thumbnail_0");
        look(&window);
        const std::function<QWidget*()> windows[] = {
            [&] { return new frmPaintColor(window.paints(), book.services.colours, &window); },
            [&] { return new frmPrintQuery(book.settings, "Kitchen Printer", false, &window); },
            [&] { return new frmName(window.folderNames(), &window); },
            [&] { return new frmAbout(&window); },
            [&] { return new frmBooks(&window); },
            [&] { return new frmInfo(&window); },
            [&] {
                auto* progress = new frmProgressForm(&window);
                progress->HeaderText()->setText(QCoreApplication::translate("atoz::ContentsView", "Loading Pages ..."));
                return progress;
            },
            [&] { return new frmWeb(book.services.browsers, &window); },
            [&] {  // the web window's page where no browser is built in
                Browser* link = CreateBrowserLink(nullptr);
                SetBookScale(link, scale);
                link->resize(TwipsSize(8430, 4635, scale));
                link->Navigate(QUrl("https://www.larkvale.example/"));
                return link;
            },
        };
        for (const auto& make : windows) {
            std::unique_ptr<QWidget> shown(make());
            shown->show();
            QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
            look(shown.get());
        }
        QVERIFY2(trouble.isEmpty(), qPrintable(trouble.join(u'\n')));
    }
};

QTEST_MAIN(LanguageTest)
#include "tst_language.moc"
