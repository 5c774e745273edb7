#include "app/settings/settings_window.h"

#include "app/platform/platform.h"
#include "app/settings/fields_page.h"
#include "app/settings/print_font_page.h"
#include "app/settings/slot_list_page.h"
#include "app/settings/transfer_code_switch.h"
#include "documents/settings_fields.h"
#include "editing/tax_numbers.h"
#include "store/data_files.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
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
    : QWidget(parent, Qt::Window), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("Ustawienia"));
    setWindowTitle(QStringLiteral("Ustawienia"));
    resize(720, 560);
    createMissingFiles(files, paths);

    seller_ = new FieldsPage(dialogs, files, paths, paths.sellerFile(), company::Size, sellerFields(),
                             QStringLiteral("Zapisano dane sprzedawcy."), sellerChecks(), this);
    numbering_ = new FieldsPage(dialogs, files, paths, paths.settingsFile(), settings::Size, numberingFields(),
                                QStringLiteral("Zapisano numerację i ustawienia wydruku."), numberingChecks(), this);
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
    connect(pages_, &QTabWidget::currentChanged, this, &SettingsWindow::choosePage);

    // A line rather than a box: saving is frequent, and a box would cost a
    // click after every stored client or service.
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("stan"));
    status_->setStyleSheet(QStringLiteral("color: #006000; font-weight: bold"));
    for (int i = 0; i < pages_->count(); ++i) {
        connect(page(i), &SettingsPage::stored, status_, &QLabel::setText);
        connect(page(i), &SettingsPage::edited, status_, &QLabel::clear);
    }

    transferCode_ = new TransferCodeSwitch(dialogs, files, paths.moduleOptionsFile(), this);
    connect(transferCode_, &TransferCodeSwitch::stored, status_, &QLabel::setText);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    layout->addWidget(transferCode_);
    layout->addWidget(status_);
    seller_->edit(0)->setFocus();
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
}

SettingsPage* SettingsWindow::page(int index) const { return static_cast<SettingsPage*>(pages_->widget(index)); }

bool SettingsWindow::settlePage(int index)
{
    SettingsPage* changed = page(index);
    if (!changed->isModified())
        return true;
    const QString name = pages_->tabText(index).remove(QLatin1Char('&'));
    switch (dialogs_.askYesNoCancel(this, QStringLiteral("Zapisać zmiany na stronie „%1”?").arg(name))) {
    case Answer::Yes: return changed->saveChanges();
    case Answer::No: changed->discardChanges(); return true;
    case Answer::Cancel: break;
    }
    return false;
}

void SettingsWindow::choosePage(int index)
{
    if (settlePage(shownPage_)) {
        shownPage_ = index;
        return;
    }
    const QSignalBlocker quiet(pages_);
    pages_->setCurrentIndex(shownPage_);
}

void SettingsWindow::closeEvent(QCloseEvent* event)
{
    // The page on screen first, then any other that holds changes, shown
    // while it is asked about.
    QList<int> order{pages_->currentIndex()};
    for (int i = 0; i < pages_->count(); ++i) {
        if (i != order.first())
            order.append(i);
    }
    for (const int index : order) {
        if (!page(index)->isModified())
            continue;
        {
            const QSignalBlocker quiet(pages_);
            pages_->setCurrentIndex(index);
        }
        shownPage_ = index;
        if (!settlePage(index)) {
            event->ignore();
            return;
        }
    }
    event->accept();
}
