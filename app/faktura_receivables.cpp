// "Należności": the unpaid bills listed by payment term and marked paid on a
// date, and the payment of the bill on screen shown below its words.

#include "app/Tfaktura_f.h"

#include "app/widgets/bevels.h"
#include "app/widgets/choice_list.h"
#include "app/widgets/control_factory.h"
#include "documents/document_amount.h"
#include "documents/payment_marks.h"
#include "editing/amount_text.h"
#include "store/document_file.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QToolButton>

#include <algorithm>

using namespace kw;

namespace {

const QString dateFormat = QStringLiteral("yyyy-MM-dd");
const QColor overdueColour{255, 0, 0};
const QColor paidColour{0, 128, 0};

enum Column { NumberColumn, BuyerColumn, AmountColumn, TermColumn, OverdueColumn, ColumnCount };

QString overdueText(int days)
{
    if (days <= 0)
        return QString();
    return days == 1 ? QStringLiteral("po terminie 1 dzień") : QStringLiteral("po terminie %1 dni").arg(days);
}

QTreeWidgetItem* receivableRow(const Receivable& receivable)
{
    QStringList texts(ColumnCount);
    texts[NumberColumn] = receivable.number;
    texts[BuyerColumn] = receivable.buyer;
    texts[AmountColumn] = formatAmount(receivable.amount, 0);
    // The term as a date, so that the order of the rows can be seen; a term
    // that gives no date is shown as stored.
    texts[TermColumn] = receivable.due.isValid() ? receivable.due.toString(dateFormat) : receivable.term;
    texts[OverdueColumn] = overdueText(receivable.daysOverdue);
    auto* row = new QTreeWidgetItem(texts);
    row->setTextAlignment(AmountColumn, Qt::AlignRight | Qt::AlignVCenter);
    if (receivable.daysOverdue > 0) {
        for (int column = 0; column < ColumnCount; ++column)
            row->setForeground(column, overdueColour);
    }
    return row;
}

QString totalText(const QList<Receivable>& receivables)
{
    if (receivables.isEmpty())
        return QStringLiteral("Wszystkie rachunki są zapłacone.");
    Money total;
    Money overdue;
    for (const Receivable& receivable : receivables) {
        total = total + receivable.amount;
        if (receivable.daysOverdue > 0)
            overdue = overdue + receivable.amount;
    }
    return QStringLiteral("Razem należności: %1 PLN, w tym po terminie: %2 PLN")
        .arg(formatAmount(total, 0), formatAmount(overdue, 0));
}

// Why `date`, as typed, cannot be the day bills were paid; empty when it can.
std::optional<QString> paymentDateRefusal(QDate date, QDate today)
{
    if (!date.isValid())
        return QStringLiteral("Data zapłaty musi mieć postać RRRR-MM-DD, na przykład %1.")
            .arg(today.toString(dateFormat));
    if (date > today)
        return QStringLiteral("Data zapłaty nie może być późniejsza niż dzisiejsza (%1).")
            .arg(today.toString(dateFormat));
    return std::nullopt;
}

// "7/2026" (or "7" without an extension), as the list shows a bill's number.
QString listedNumber(const DocumentRecord& record)
{
    const QString suffix = record.get(doc::NumberSuffix);
    return suffix.isEmpty() ? record.get(doc::DocNumber) : record.get(doc::DocNumber) + QLatin1Char('/') + suffix;
}

// The bill still lies where the list found it: the position holds the same
// number, buyer, term and amount. Another instance may have deleted or
// overwritten bills since the list was read.
bool isListedBill(const DocumentRecord& record, const Receivable& receivable)
{
    return listedNumber(record) == receivable.number && record.get(doc::BuyerLine1) == receivable.buyer &&
        record.get(doc::PaymentTerm) == receivable.term && documentAmount(record.bytes()) == receivable.amount;
}

} // namespace

void Tfaktura_f::connectReceivablesCommand()
{
    auto* action = new QAction(QStringLiteral("Należności…"), this);
    action->setObjectName(QStringLiteral("naleznosci"));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
    connect(action, &QAction::triggered, this, &Tfaktura_f::openReceivables);
}

// Return marks the chosen bills paid wherever the keyboard is in the panel,
// the date field included; Esc goes back.
void Tfaktura_f::connectReceivablesPanel()
{
    connect(ui.zaplacono, &QToolButton::clicked, this, &Tfaktura_f::markChosenPaid);
    connect(ui.powrot_z_naleznosci, &QToolButton::clicked, this, &Tfaktura_f::closeReceivables);
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
        auto* mark = new QShortcut(key, ui.Panel7);
        mark->setContext(Qt::WidgetWithChildrenShortcut);
        connect(mark, &QShortcut::activated, this, &Tfaktura_f::markChosenPaid);
    }
    auto* back = new QShortcut(QKeySequence(Qt::Key_Escape), ui.Panel7);
    back->setContext(Qt::WidgetWithChildrenShortcut);
    connect(back, &QShortcut::activated, this, &Tfaktura_f::closeReceivables);
}

// Opened over the document area like the summary; a list or the summary
// that is open already keeps the window until it is left.
void Tfaktura_f::openReceivables()
{
    if (!started_)
        return;
    ensureOverlays();
    if (!ui.Panel1->isEnabled() && !ui.Panel7->isVisible())
        return;
    if (!showReceivables())
        return;
    ui.Panel1->setEnabled(false);
    ui.data_zaplaty->setText(platform_.clock.today().toString(dateFormat));
    ui.Panel7->show();
    ui.Panel7->raise();
    if (ui.Panel6->isVisible())
        ui.Panel6->raise();
    takeFocus(ui.lista_naleznosci);
}

void Tfaktura_f::closeReceivables()
{
    ui.Panel7->hide();
    ui.Panel1->setEnabled(true);
    giveFocusBack();
}

// The list read anew; the cursor stays on the same line, nothing chosen, so
// that a second Return never marks a bill nobody chose.
bool Tfaktura_f::showReceivables()
{
    std::optional<QList<Receivable>> read;
    guarded([&] { read = receivables(platform_.files, paths(), platform_.clock.today()); });
    if (!read)
        return false;
    receivables_ = std::move(*read);
    ChoiceList* list = ui.lista_naleznosci;
    const int line = list->currentIndex().row();
    list->clear();
    QList<QTreeWidgetItem*> rows;
    rows.reserve(receivables_.size());
    for (const Receivable& receivable : receivables_)
        rows.append(receivableRow(receivable));
    list->addTopLevelItems(rows);
    if (!rows.isEmpty()) {
        const QModelIndex current = list->model()->index(std::clamp(line, 0, int(rows.size()) - 1), 0);
        list->selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
        list->scrollTo(current);
    }
    ui.suma_naleznosci->setText(totalText(receivables_));
    return true;
}

void Tfaktura_f::markChosenPaid()
{
    const QDate today = platform_.clock.today();
    const QDate date = QDate::fromString(ui.data_zaplaty->text().trimmed(), dateFormat);
    if (const std::optional<QString> refusal = paymentDateRefusal(date, today)) {
        platform_.dialogs.inform(this, *refusal);
        ui.data_zaplaty->setFocus();
        return;
    }
    QList<int> chosen;
    for (const QModelIndex& row : ui.lista_naleznosci->selectionModel()->selectedRows())
        chosen.append(row.row());
    if (chosen.isEmpty()) {
        platform_.dialogs.inform(this,
                                 QStringLiteral("Nie zaznaczono żadnego rachunku. Spacja zaznacza rachunek "
                                                "na liście, Shift lub Ctrl ze strzałką kilka."));
        ui.lista_naleznosci->setFocus();
        return;
    }
    std::sort(chosen.begin(), chosen.end());
    guarded([&] {
        for (int row : chosen)
            markPaid(receivables_[row], date);
    });
    showReceivables();
    showPaymentCaption();
    ui.lista_naleznosci->setFocus();
}

void Tfaktura_f::markPaid(const Receivable& receivable, QDate date)
{
    const DataPaths files = paths();
    const DocumentRecord record = DocumentFile(platform_.files, files).read(receivable.position);
    if (!isListedBill(record, receivable))
        throw IoError(documentChangedNotice(files.documentFile(), receivable.position));
    markPayment(platform_.files, files, receivable.position, record, date);
}

// Read only when a document is shown or marked, never on the tick: the
// marks file belongs to the data folder and another instance may change it.
// A marks file that cannot be read is said so in the caption, with the
// reason in its tooltip: the operation that showed the document went well,
// and a message box would say otherwise.
void Tfaktura_f::showPaymentCaption()
{
    QString caption;
    QString reason;
    QColor colour = navy;
    const DocumentRecord& record = session_.working();
    const std::optional<Money> amount = documentAmount(record.bytes());
    if (started_ && !session_.state().isNew() && amount && *amount > Money()) {
        try {
            const Payment payment = PaymentMarks::read(platform_.files, paths()).paymentOf(record);
            const QDate due =
                dueDate(record.get(doc::IssueDate), record.get(doc::PaymentTerm), record.get(doc::PaymentMethod));
            const QDate today = platform_.clock.today();
            caption = paymentCaption(payment, due, today);
            if (payment.paid)
                colour = paidColour;
            else if (due.isValid() && due < today)
                colour = overdueColour;
        } catch (const IoError& error) {
            caption = QStringLiteral("Stan zapłaty nieznany");
            reason = error.message();
            colour = maroon;
        }
    }
    setTextStyle(ui.stan_zaplaty, ui.stan_zaplaty->font(), colour);
    ui.stan_zaplaty->setToolTip(reason);
    if (ui.stan_zaplaty->text() != caption)
        ui.stan_zaplaty->setText(caption);
}
