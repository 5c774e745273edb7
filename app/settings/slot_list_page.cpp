#include "app/settings/slot_list_page.h"

#include "app/platform/platform.h"
#include "app/widgets/named_button.h"
#include "extras/settings_fields.h"
#include "extras/slot_list_csv.h"
#include "store/io_error.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace kw;

SlotListPage::SlotListPage(Dialogs& dialogs, FileOps& files, const DataPaths& paths, const QString& file,
                           const SlotListLayout& layout, const QString& itemName, QWidget* parent)
    : QWidget(parent), dialogs_(dialogs), files_(files), paths_(paths), file_(files, file, layout.size),
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
    slotLabel_->setText(slot_ == 0 ? QString() : QString::number(slot_));
    const QStringList texts = slot_ == 0 ? QStringList(edits_.size(), QString()) : list_.entry(slot_);
    for (qsizetype i = 0; i < edits_.size(); ++i)
        edits_[i]->setText(texts[i]);
}

void SlotListPage::chooseSlot(int slot)
{
    slot_ = slot;
    showSlot();
}

void SlotListPage::startNew()
{
    const int slot = list_.firstFreeSlot();
    if (slot == 0) {
        dialogs_.inform(
            this,
            QStringLiteral("Lista jest pełna: wszystkie %1 pozycji jest zajętych.").arg(list_.layout().slotCount));
        return;
    }
    table_->clearSelection();
    chooseSlot(slot);
    edits_.first()->setFocus();
}

bool SlotListPage::storeCurrent()
{
    if (slot_ == 0) {
        dialogs_.inform(this, QStringLiteral("Wybierz pozycję z listy albo naciśnij „Nowa pozycja”."));
        return false;
    }
    QStringList values;
    for (const QLineEdit* edit : edits_)
        values.append(edit->text());
    const QString problem = list_.problem(values);
    if (!problem.isEmpty()) {
        dialogs_.inform(this, problem + QStringLiteral(" Niczego nie zapisano."));
        return false;
    }
    SlotList changed = list_;
    changed.setEntry(slot_, values);
    return store(changed);
}

bool SlotListPage::deleteCurrent()
{
    if (slot_ == 0 || !list_.inUse(slot_))
        return false;
    if (!dialogs_.ask(
            this,
            QStringLiteral("Usunąć %1 „%2” (pozycja %3) ?").arg(itemName_, list_.entry(slot_).first()).arg(slot_)))
        return false;
    SlotList changed = list_;
    changed.clear(slot_);
    if (!store(changed))
        return false;
    chooseSlot(0);
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
        const QString report = applyImport(changed, plan, overwrite);
        if (changed.bytes() != list_.bytes() && !store(changed))
            return false;
        dialogs_.inform(this, report);
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
