#include "app/settings/settings_window.h"

#include "app/settings/fields_page.h"
#include "app/settings/print_font_page.h"
#include "app/settings/slot_list_page.h"
#include "editing/tax_numbers.h"
#include "extras/settings_fields.h"
#include "store/data_files.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace kw;

namespace {

void createMissingFiles(FileOps& files, const DataPaths& paths)
{
    createIfMissing(files, paths.sellerFile(), CompanyRecord().bytes());
    createIfMissing(files, paths.settingsFile(), SettingsRecord().bytes());
    if (!QFileInfo::exists(paths.clientFile()))
        createIfMissing(files, paths.clientFile(), emptyClientList().bytes());
    if (!QFileInfo::exists(paths.serviceFile()))
        createIfMissing(files, paths.serviceFile(), emptyServiceList().bytes());
}

QList<FieldsPage::Check> sellerChecks()
{
    return {{3, isValidNip, QStringLiteral("nieprawidłowy NIP"),
             QStringLiteral("NIP nie ma prawidłowej sumy kontrolnej. Zapisać go mimo to ?")},
            {5, isValidNrb, QStringLiteral("nieprawidłowy numer konta"),
             QStringLiteral("Numer konta nie jest prawidłowym numerem NRB (26 cyfr z sumą kontrolną). "
                            "Zapisać go mimo to ?")}};
}

bool withoutLeadingSlash(const QString& suffix) { return !suffix.startsWith(QLatin1Char('/')); }

// The number and its extension are printed with a slash between them, so an
// extension typed as "/2026" prints "1//2026".
QList<FieldsPage::Check> numberingChecks()
{
    const QString invalid = QStringLiteral("zaczyna się od „/”");
    const QString question = QStringLiteral("%1 zaczyna się od „/”, a numer jest drukowany jako "
                                            "numer/rozszerzenie (np. 1//2026). Zapisać je mimo to?");
    return {{2, withoutLeadingSlash, invalid, question.arg(QStringLiteral("Rozszerzenie numeru rachunku"))},
            {4, withoutLeadingSlash, invalid, question.arg(QStringLiteral("Rozszerzenie numeru korekty"))}};
}

} // namespace

SettingsWindow::SettingsWindow(Dialogs& dialogs, FileOps& files, const DataPaths& paths, const QString& fontFolder,
                               QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Ustawienia"));
    setWindowTitle(QStringLiteral("Ustawienia"));
    resize(720, 560);
    createMissingFiles(files, paths);

    seller_ =
        new FieldsPage(dialogs, files, paths, paths.sellerFile(), company::Size, sellerFields(), sellerChecks(), this);
    numbering_ = new FieldsPage(dialogs, files, paths, paths.settingsFile(), settings::Size, numberingFields(),
                                numberingChecks(), this);
    font_ =
        new PrintFontPage(dialogs, files, resolvePath(fontFolder, QStringLiteral("FONT/") + printFontFileName), this);
    clients_ = new SlotListPage(dialogs, files, paths, paths.clientFile(), clientListLayout(),
                                QStringLiteral("klienta"), this);
    services_ = new SlotListPage(dialogs, files, paths, paths.serviceFile(), serviceListLayout(),
                                 QStringLiteral("usługę"), this);
    connect(seller_, &FieldsPage::saved, this,
            [this](const QByteArray& record) { emit sellerSaved(CompanyRecord::fromBytes(record)); });
    connect(numbering_, &FieldsPage::saved, this,
            [this](const QByteArray& record) { emit settingsSaved(SettingsRecord::fromBytes(record)); });
    connect(font_, &PrintFontPage::saved, this, &SettingsWindow::printFontSaved);

    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("strony"));
    // Each page's access key differs from those of every page's buttons.
    pages_->addTab(seller_, QStringLiteral("&Sprzedawca"));
    pages_->addTab(numbering_, QStringLiteral("Numeracja i &wydruk"));
    pages_->addTab(font_, QStringLiteral("Czcionka wy&druku"));
    pages_->addTab(clients_, QStringLiteral("&Klienci"));
    pages_->addTab(services_, QStringLiteral("Usłu&gi"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    seller_->edit(0)->setFocus();
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
}
