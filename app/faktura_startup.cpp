// Start-up, the clock, the help panel and closing of the main window.

#include "app/Tfaktura_f.h"

#include "app/Tfont_f.h"

#include "editing/amount_text.h"
#include "store/data_files.h"
#include "store/data_folder.h"
#include "store/document_file.h"
#include "store/location_choice.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>

#include <algorithm>

#include "app/widgets/bevels.h"
#include "app/widgets/bill_grid.h"
#include "app/widgets/control_factory.h"
#include "app/widgets/dbl_click_line_edit.h"
#include "app/widgets/month_calendar.h"
#include "app/widgets/selection_list.h"

using namespace kw;

namespace {

// Seller lines over 40 characters do not fit their labels; the printout
// still uses the whole line.
constexpr int sellerLineShown = 40;

QString shortenedSellerLine(const QString& line)
{
    if (line.size() <= sellerLineShown)
        return line;
    return line.left(sellerLineShown - 1) + QChar(0x2026);
}

} // namespace

Tfaktura_f::Tfaktura_f(Platform& platform, const QString& startFolder, QWidget* parent, StartMode mode)
    : QWidget(parent), platform_(platform), startFolder_(startFolder), session_(platform.files),
      currentFolder_(startFolder)
{
    ui.setup(this);
    ui.tabela->setCurrentCell(1, 1);
    connectHandlers();
    connectReceivablesCommand();
    connectSettingsCommand();
    FormCreate();
    connectShortcuts();
    font_f = std::make_unique<Tfont_f>(platform_.dialogs, platform_.files, [this] { return currentFolder_; });
    timer1_.setInterval(100);
    timer2_.setInterval(100);
    connect(&timer1_, &QTimer::timeout, this, &Tfaktura_f::Timer1Timer);
    connect(&timer2_, &QTimer::timeout, this, &Tfaktura_f::Timer2Timer);
    timer1_.start();
    timer2_.start();
    if (mode == StartMode::Complete)
        ensureOverlays();
    else
        overlaysAfterPaint_ = true;
}

Tfaktura_f::~Tfaktura_f()
{
    // The focus moves while the widgets are taken down, after this part of
    // the window is gone: it must not be told of it then.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
}

void Tfaktura_f::FormCreate()
{
    dataFolder_ = startFolder_;
    ui.tabela->setEnabled(true);

    for (QLineEdit* edit : {ui.miejscowosc, ui.data_wystawienia, ui.data_uslugi, static_cast<QLineEdit*>(ui.odbiorca1),
                            static_cast<QLineEdit*>(ui.odbiorca2), static_cast<QLineEdit*>(ui.odbiorca3),
                            static_cast<QLineEdit*>(ui.odbiorca4), ui.nip_odbiorcy, ui.podpis})
        edit->clear();
    for (QLabel* label : {ui.Label13, ui.Label14, ui.Label19})
        label->clear();
    ui.Label17->setText(QStringLiteral("0.00 PLN"));

    const auto refill = [](QComboBox* box, const QStringList& items) {
        box->clear();
        box->addItems(items);
        box->setCurrentIndex(-1);
        box->clearEditText();
    };
    refill(ui.forma_zaplaty, {QStringLiteral("Gotówka"), QStringLiteral("Przelew"), QStringLiteral("Karta kredytowa")});
    refill(ui.termin_zaplaty, {QStringLiteral("7 dni"), QStringLiteral("14 dni"), QStringLiteral("21 dni")});

    today_ = platform_.clock.today().toString(QStringLiteral("yyyy-MM-dd"));
    session_.setFolder(DataPaths(dataFolder_), today_);
    // Not yet built in a deferred start: then they start when they are built.
    if (ui.hasOverlays())
        startOverlays();

    guarded([this] {
        startUpSequence();
        started_ = true;
    });
    showSessionDocument();
    if (!started_)
        offerNothingThatWrites();
}

void Tfaktura_f::offerNothingThatWrites()
{
    for (QToolButton* command :
         {ui.SpeedButton21, ui.SpeedButton22, ui.SpeedButton23, ui.SpeedButton25, ui.SpeedButton20, ui.SpeedButton17,
          ui.SpeedButton9, ui.SpeedButton8, ui.SpeedButton3, ui.SpeedButton2, ui.SpeedButton6})
        command->setEnabled(false);
    for (const QString& name : {QStringLiteral("ustawienia"), QStringLiteral("naleznosci")}) {
        if (auto* command = findChild<QAction*>(name))
            command->setEnabled(false);
    }
}

void Tfaktura_f::startOverlays()
{
    ui.lata->clear();
    ui.lata->clearEditText();
    // The first year of the module to the current one, so this year is
    // chosen rather than typed.
    for (int year = 2009; year <= std::max(2009, platform_.clock.today().year()); ++year)
        ui.lata->addItem(QString::number(year));
    ui.lata->setCurrentIndex(-1);
    ui.lata->clearEditText();
    ui.SpeedButton19->setEnabled(false); // no year chosen yet
    ui.sprawdz_numeracje->setEnabled(false);
    for (QLabel* month : {ui.Label29, ui.Label30, ui.Label31, ui.Label32, ui.Label33, ui.Label34, ui.Label35,
                          ui.Label36, ui.Label37, ui.Label38, ui.Label39, ui.Label40})
        month->setText(QStringLiteral("0.00 PLN"));
    ui.szukaj->clear();
    ui.Label54->clear();
    ui.MonthCalendar1->setSelectedDate(QDate::fromString(today_, QStringLiteral("yyyy-MM-dd")));
}

void Tfaktura_f::ensureOverlays()
{
    if (ui.hasOverlays())
        return;
    ui.setupOverlays();
    ui.lista->setModel(&listModel_);
    connectOverlayHandlers();
    connectListKeys();
    connectReceivablesPanel();
    startOverlays();
}

void Tfaktura_f::paintEvent(QPaintEvent*)
{
    if (!overlaysAfterPaint_)
        return;
    overlaysAfterPaint_ = false;
    QTimer::singleShot(0, this, &Tfaktura_f::ensureOverlays);
}

void Tfaktura_f::startUpSequence()
{
    FileOps& ops = platform_.files;
    const QString locationFile = DataPaths::locationFile(startFolder_);
    createIfMissing(ops, locationFile, initialLocation(startFolder_).bytes());
    location_ = readSingleRecord<LocationRecord>(ops, locationFile);
    dataFolder_ = chosenDataFolder(location_, locationFile, startFolder_);
    // Said so, rather than that its first data file cannot be opened.
    if (!QFileInfo(dataFolder_).isDir())
        throw IoError(
            QStringLiteral("Plik %1 wskazuje folder danych „%2”, którego nie ma.").arg(locationFile, dataFolder_));

    const DataPaths files = paths();
    // The empty lists are large; they are built only when a file is missing.
    if (!QFileInfo::exists(files.serviceFile()))
        createIfMissing(ops, files.serviceFile(), emptyServiceList().bytes());
    if (!QFileInfo::exists(files.clientFile()))
        createIfMissing(ops, files.clientFile(), emptyClientList().bytes());

    session_.setFolder(files, today_);
    session_.readSettings();
    showSettingsTexts();

    createIfMissing(ops, files.sellerFile(), CompanyRecord().bytes());
    company_ = readSingleRecord<CompanyRecord>(ops, files.sellerFile());
    showSeller();

    createIfMissing(ops, files.infoFile(), InfoRecord().bytes());
    info_ = readSingleRecord<InfoRecord>(ops, files.infoFile());

    if (const std::optional<QString> notice = session_.openDocuments())
        platform_.dialogs.inform(this, *notice);
}

int Tfaktura_f::copyCountOf(const SettingsRecord& settings)
{
    return int(std::min<qint64>(readCount(settings.get(settings::CopyCount)), 999));
}

void Tfaktura_f::showSeller()
{
    sellerLines_ = {company_.get(company::SellerLine1), company_.get(company::SellerLine2),
                    company_.get(company::SellerLine3)};
    ui.Label55->setText(shortenedSellerLine(sellerLines_[0]));
    ui.Label56->setText(shortenedSellerLine(sellerLines_[1]));
    ui.Label57->setText(shortenedSellerLine(sellerLines_[2]));
}

void Tfaktura_f::Timer1Timer()
{
    const QString now = platform_.clock.now().toString(QStringLiteral("HH:mm:ss"));
    if (ui.Label2->text() != now)
        ui.Label2->setText(now);
}

void Tfaktura_f::SpeedButton4Click()
{
    ensureOverlays();
    ui.Panel4->setGeometry(71, 108, 689, 337);
    ui.Panel4->show();
    ui.Panel4->raise();
    if (ui.Panel6->isVisible())
        ui.Panel6->raise();
}

void Tfaktura_f::SpeedButton14Click() { ui.Panel4->hide(); }

void Tfaktura_f::closeEvent(QCloseEvent* event)
{
    // The window never closes by itself: closing always goes through the question.
    event->ignore();
    SpeedButton1Click();
}

void Tfaktura_f::SpeedButton1Click()
{
    // The settings window goes first: it asks about its own unsaved pages,
    // and its "Anuluj" keeps the module open.
    if (settings_f && !settings_f->close())
        return;
    if (!unsavedChangesSettled())
        return;
    if (!platform_.dialogs.ask(this, QStringLiteral("Koniec pracy ?")))
        return;
    Wygaszaj();
    emit moduleClosed();
}

void Tfaktura_f::Wygaszaj()
{
    for (int alpha = 255; alpha >= 10; alpha -= 5)
        setWindowOpacity(alpha / 255.0);
}
