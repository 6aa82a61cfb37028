#include "services.h"

#include "platform/ui/browser.h"
#include "platform/ui/dialogscale.h"
#include "platform/filefilter.h"
#include "platform/ui/qtprinter.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>

namespace atoz {

namespace {

class QtMessageBox final : public MessageBox
{
public:
    void Inform(QWidget* parent, const QString& title, const QString& text) override
    {
        QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
        ScaleToBook(&box);
        box.exec();
    }
};

class QtColourDialog final : public ColourDialog
{
public:
    std::optional<Colour> ChooseColour(QWidget* parent, Colour initial) override
    {
        QColorDialog dialog(ToQColor(initial), parent);
        dialog.setWindowTitle(QCoreApplication::translate("ColourDialog", "Choose a Color"));
        ScaleToBook(&dialog);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return FromQColor(dialog.selectedColor());
    }
};

class QtFileDialog final : public FileDialog
{
public:
    // Qt's own size for it, which the book's scale grows.
    static constexpr QSize ClassicSize{624, 412};

    QString SaveFileName(QWidget* parent, const QString& proposed, const QStringList& filters) override
    {
        // The dialog opens in the folder of the file proposed, or the nearest
        // folder above it that exists; its name box holds the whole path when
        // the file's folder is yet to be made.
        const QFileInfo file(proposed);
        QString folder = file.absolutePath();
        while (!QFileInfo(folder).isDir() && QFileInfo(folder).absolutePath() != folder)
            folder = QFileInfo(folder).absolutePath();
        QFileDialog dialog(parent, QCoreApplication::translate("FileDialog", "Save Your Coloring Page"), folder);
        dialog.setObjectName(QStringLiteral("SaveDialog"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.value(0));
        dialog.selectFile(proposed);
        if (folder != file.absolutePath())
            if (auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                name->setText(file.absoluteFilePath());
        // The dialog adds the chosen type's extension before it checks
        // whether the file exists, so the question about replacing a file is
        // asked about the file that will really be written.
        dialog.setDefaultSuffix(FilterSuffix(filters.value(0)));
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog](const QString& filter) { dialog.setDefaultSuffix(FilterSuffix(filter)); });
        ScaleToBook(&dialog, ClassicSize);
        if (dialog.exec() != QDialog::Accepted)
            return {};
        return dialog.selectedFiles().value(0);
    }
};

// The embedded browser where the program has one, else a link to the
// system's browser.
class QtBrowsers final : public Browsers
{
public:
    Browser* CreateBrowser(QWidget* parent) override
    {
        Browser* browser = CreateEmbeddedBrowser(parent);
        return browser ? browser : CreateBrowserLink(parent);
    }
};

}  // namespace

struct QtServices::Implementations
{
    QtMessageBox messages;
    QtColourDialog colours;
    QtFileDialog files;
    QtPrinter printer;
    QtBrowsers browsers;
};

QtServices::QtServices() : d_(std::make_unique<Implementations>()) {}

QtServices::~QtServices() = default;

Services QtServices::services()
{
    return {d_->messages, d_->colours, d_->files, d_->printer, d_->browsers};
}

}  // namespace atoz
