#include "app/settings/slot_list_page.h"

#include "app/platform/platform.h"
#include "app/widgets/named_button.h"
#include "documents/settings_fields.h"
#include "exports/slot_list_csv.h"
#include "store/io_error.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

using namespace kw;

SlotListPage::SlotListPage(Dialogs& dialogs, FileOps& files, const DataPaths& paths, const QString& file,
                           const SlotListLayout& layout, const QString& itemName, QWidget* parent)
    : SettingsPage(parent), dialogs_(dialogs), files_(files), paths_(paths), file_(files, file, layout.size),
      list_(layout, file_.record()), itemName_(itemName)
{
    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("szukaj"));
    search_->setPlaceholderText(QStringLiteral("Szukaj"));
    connect(search_, &QLineEdit::textChanged, this, &SlotListPage::showTable);

    table_ = new QTableWidget(this);
    table_->setObjectName(QStringLiteral("tabela"));
    QStringList headers{QStringLiteral("Nr")};
    for (const SlotColumn& column : layout.columns)
        headers.append(column.caption);
    table_->setColumnCount(int(headers.size()));
    table_->setHorizontalHeaderLabels(headers);
    table_->verticalHeader()->hide();
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->horizontalHeader()->setStretchLastSection(true);
    connect(table_, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (row >= 0)
            chooseSlot(table_->item(row, 0)->data(Qt::UserRole).toInt());
    });

    auto* form = new QFormLayout;
    slotLabel_ = new QLabel(this);
    slotLabel_->setObjectName(QStringLiteral("pozycja"));
    form->addRow(QStringLiteral("Pozycja:"), slotLabel_);
    for (qsizetype i = 0; i < layout.columns.size(); ++i) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("pole%1").arg(i + 1));
        edit->setToolTip(QStringLiteral("Najwyżej %1 znaków.").arg(layout.columns[i].field(1).maxChars));
        connect(edit, &QLineEdit::textEdited, this, &SettingsPage::edited);
        edits_.append(edit);
        form->addRow(layout.columns[i].caption + QLatin1Char(':'), edit);
    }

    auto* commands = new QHBoxLayout;
    QPushButton* add = namedButton(QStringLiteral("&Nowa pozycja"), QStringLiteral("nowa"), this);
    QPushButton* store = namedButton(QStringLiteral("&Zapisz pozycję"), QStringLiteral("zapisz"), this);
    QPushButton* remove = namedButton(QStringLiteral("&Usuń pozycję"), QStringLiteral("usun"), this);
    connect(add, &QPushButton::clicked, this, &SlotListPage::startNew);
    connect(store, &QPushButton::clicked, this, &SlotListPage::storeCurrent);
    connect(remove, &QPushButton::clicked, this, &SlotListPage::deleteCurrent);
    QPushButton* importing = namedButton(QStringLiteral("&Import CSV…"), QStringLiteral("import"), this);
    QPushButton* exporting = namedButton(QStringLiteral("&Eksport CSV…"), QStringLiteral("eksport"), this);
    connect(importing, &QPushButton::clicked, this, &SlotListPage::importCsv);
    connect(exporting, &QPushButton::clicked, this, &SlotListPage::exportCsv);
    for (QPushButton* b : {add, store, remove})
        commands->addWidget(b);
    commands->addStretch();
    for (QPushButton* b : {importing, exporting})
        commands->addWidget(b);

    auto* layoutBox = new QVBoxLayout(this);
    layoutBox->addWidget(search_);
    layoutBox->addWidget(table_, 1);
    layoutBox->addLayout(form);
    layoutBox->addLayout(commands);
    showTable();
    showSlot();
}

void SlotListPage::showTable()
{
    const QSignalBlocker quiet(table_);
    const QString fragment = search_->text();
    table_->setRowCount(0);
    int current = -1;
    for (const int slot : list_.slotsInUse()) {
        if (!fragment.isEmpty() && !list_.matches(slot, fragment))
            continue;
        const int row = table_->rowCount();
        table_->insertRow(row);
        auto* number = new QTableWidgetItem(QString::number(slot));
        number->setData(Qt::UserRole, slot);
        table_->setItem(row, 0, number);
        const QStringList texts = list_.entry(slot);
        for (qsizetype c = 0; c < texts.size(); ++c)
            table_->setItem(row, int(c + 1), new QTableWidgetItem(texts[c]));
        if (slot == slot_)
            current = row;
    }
    if (current >= 0)
        table_->selectRow(current);
}

void SlotListPage::showSlot()
{
    slotLabel_->setText(slot_ == 0 ? QStringLiteral("nowa") : QString::number(slot_));
    const QStringList texts = slot_ == 0 ? QStringList(edits_.size(), QString()) : list_.entry(slot_);
    for (qsizetype i = 0; i < edits_.size(); ++i)
        edits_[i]->setText(texts[i]);
    shown_ = typedValues();
}

void SlotListPage::showChosen(int slot)
{
    slot_ = slot;
    showSlot();
}

void SlotListPage::selectRowOf(int slot)
{
    const QSignalBlocker quiet(table_);
    for (int row = 0; row < table_->rowCount(); ++row) {
        if (table_->item(row, 0)->data(Qt::UserRole).toInt() == slot) {
            table_->setCurrentCell(row, std::max(table_->currentColumn(), 0));
            return;
        }
    }
    table_->setCurrentItem(nullptr);
    table_->clearSelection();
}

QStringList SlotListPage::typedValues() const
{
    QStringList values;
    for (const QLineEdit* edit : edits_)
        values.append(edit->text());
    return values;
}

bool SlotListPage::isModified() const { return typedValues() != shown_; }

bool SlotListPage::settleChanges()
{
    if (!isModified())
        return true;
    QString question;
    if (slot_ != 0 && list_.inUse(slot_))
        question = QStringLiteral("Zapisać zmiany w pozycji %1 („%2”)?").arg(slot_).arg(list_.entry(slot_).first());
    else if (edits_.first()->text().isEmpty())
        question = QStringLiteral("Zapisać wpisaną nową pozycję?");
    else
        question = QStringLiteral("Zapisać nową pozycję „%1”?").arg(edits_.first()->text());
    switch (dialogs_.askYesNoCancel(this, question)) {
    case Answer::Yes: return storeCurrent();
    case Answer::No: showSlot(); return true;
    case Answer::Cancel: break;
    }
    return false;
}

bool SlotListPage::chooseSlot(int slot)
{
    if (slot == slot_) {
        selectRowOf(slot);
        return true;
    }
    if (!settleChanges()) {
        selectRowOf(slot_);
        return false;
    }
    showChosen(slot);
    selectRowOf(slot);
    return true;
}

int SlotListPage::freeSlotOrTell()
{
    const int slot = list_.firstFreeSlot();
    if (slot == 0)
        dialogs_.inform(
            this,
            QStringLiteral("Lista jest pełna: wszystkie %1 pozycji jest zajętych.").arg(list_.layout().slotCount));
    return slot;
}

void SlotListPage::startNew()
{
    if (freeSlotOrTell() == 0 || !settleChanges())
        return;
    // Storing the changes may have taken the free slot.
    const int slot = freeSlotOrTell();
    if (slot == 0)
        return;
    showChosen(slot);
    selectRowOf(slot);
    edits_.first()->setFocus();
}

bool SlotListPage::storeCurrent()
{
    const QStringList values = typedValues();
    const QString problem = list_.problem(values);
    if (!problem.isEmpty()) {
        dialogs_.inform(this, problem + QStringLiteral(" Niczego nie zapisano."));
        return false;
    }
    const int slot = slot_ != 0 ? slot_ : freeSlotOrTell();
    if (slot == 0)
        return false;
    SlotList changed = list_;
    changed.setEntry(slot, values);
    if (!store(changed))
        return false;
    slot_ = slot;
    slotLabel_->setText(QString::number(slot));
    shown_ = values;
    selectRowOf(slot);
    emit stored(QStringLiteral("Zapisano %1 „%2” (pozycja %3).").arg(itemName_, values.first()).arg(slot));
    return true;
}

bool SlotListPage::deleteCurrent()
{
    if (slot_ == 0 || !list_.inUse(slot_))
        return false;
    const QString name = list_.entry(slot_).first();
    if (!dialogs_.ask(this, QStringLiteral("Usunąć %1 „%2” (pozycja %3) ?").arg(itemName_, name).arg(slot_)))
        return false;
    SlotList changed = list_;
    changed.clear(slot_);
    if (!store(changed))
        return false;
    const int deleted = slot_;
    showChosen(0);
    emit stored(QStringLiteral("Usunięto %1 „%2” (pozycja %3).").arg(itemName_, name).arg(deleted));
    return true;
}

bool SlotListPage::store(const SlotList& changed)
{
    try {
        saveDataFile(file_, paths_, changed.bytes());
    } catch (const IoError& error) {
        dialogs_.showError(this, error.message());
        return false;
    }
    list_ = changed;
    showTable();
    return true;
}

bool SlotListPage::importCsv()
{
    const QString path = dialogs_.openFile(this, slotListCsvFilter(), paths_.folder());
    if (path.isEmpty())
        return false;
    try {
        const SlotListImport plan = planImport(list_, readCsvFile(files_, path));
        QStringList used;
        for (const int slot : plan.slotsInUse)
            used.append(QString::number(slot));
        const bool overwrite = !used.isEmpty() &&
            dialogs_.ask(this,
                         QStringLiteral("Plik zmienia zajęte pozycje (%1: nr %2). Nadpisać je ?")
                             .arg(used.size())
                             .arg(used.join(QStringLiteral(", "))));
        SlotList changed = list_;
        const SlotListImportReport report = applyImport(changed, plan, overwrite);
        if (changed.bytes() != list_.bytes() && !store(changed))
            return false;
        // The form shows what the chosen slot now holds, unless it was typed into.
        if (!isModified())
            showSlot();
        dialogs_.inform(this, report.text);
        return true;
    } catch (const IoError& error) {
        dialogs_.showError(this, error.message());
        return false;
    }
}

bool SlotListPage::exportCsv()
{
    QString path = dialogs_.saveFile(this, slotListCsvFilter(), paths_.folder());
    if (path.isEmpty())
        return false;
    if (!path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        path += QLatin1String(".csv");
    try {
        writeSlotListCsv(files_, path, list_, {paths_.folder()});
    } catch (const IoError& error) {
        dialogs_.showError(this, error.message());
        return false;
    }
    dialogs_.inform(this, QStringLiteral("Zapisano pozycji: %1 do pliku %2.").arg(list_.slotsInUse().size()).arg(path));
    return true;
}
