#include "services.h"

#include "platform/ui/browser.h"
#include "platform/filefilter.h"
#include "platform/ui/qtprinter.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace atoz {

namespace {

class QtMessageBox final : public MessageBox
{
public:
    void Inform(QWidget* parent, const QString& title, const QString& text) override
    {
        QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
        box.exec();
    }
};

class QtColourDialog final : public ColourDialog
{
public:
    std::optional<Colour> ChooseColour(QWidget* parent, Colour initial) override
    {
        QColorDialog dialog(ToQColor(initial), parent);
        dialog.setWindowTitle(QStringLiteral("Choose a Color"));
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return FromQColor(dialog.selectedColor());
    }
};

class QtFileDialog final : public FileDialog
{
public:
    QString SaveFileName(QWidget* parent, const QString& proposed, const QStringList& filters) override
    {
        QFileDialog dialog(parent, QStringLiteral("Save Your Coloring Page"), proposed);
        dialog.setObjectName(QStringLiteral("SaveDialog"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.value(0));
        dialog.selectFile(proposed);
        // The dialog adds the chosen type's extension before it checks
        // whether the file exists, so the question about replacing a file is
        // asked about the file that will really be written.
        dialog.setDefaultSuffix(FilterSuffix(filters.value(0)));
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog](const QString& filter) { dialog.setDefaultSuffix(FilterSuffix(filter)); });
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
