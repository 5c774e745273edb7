// The selection list panel: stored bills, clients and services.

#include "app/Tfaktura_f.h"

#include "app/widgets/bevels.h"
#include "app/widgets/bill_grid.h"
#include "app/widgets/dbl_click_line_edit.h"
#include "app/widgets/selection_list.h"
#include "editing/list_file_dialogs.h"
#include "store/data_files.h"
#include "store/document_file.h"

#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

using namespace kw;

void Tfaktura_f::showList(ListMode mode, const QString& title, SelectionLines lines)
{
    ensureOverlays();
    listMode_ = mode;
    ui.Label20->setText(title);
    listLines_ = std::move(lines);
    listModel_.setStringList(listLines_.texts);
    selectListLine(0);
    ui.Panel3->setGeometry(4, 4, 678, 618);
    ui.Panel3->show();
    ui.Panel3->raise();
    takeFocus(ui.lista);
}

void Tfaktura_f::selectListLine(int index)
{
    const QModelIndex line = listModel_.index(index);
    ui.lista->setCurrentIndex(line);
    ui.lista->scrollTo(line);
}

void Tfaktura_f::closeList()
{
    ui.Panel3->hide();
    ui.Panel1->setEnabled(true);
    giveFocusBack();
}

// Opening a list disables the command column; a list that fails to load
// gives it back, so the window is never left without commands.
template <class Load>
void Tfaktura_f::openList(Load&& load)
{
    ui.Panel1->setEnabled(false);
    try {
        load();
    } catch (const IoError&) {
        ui.Panel1->setEnabled(true);
        throw;
    }
}

void Tfaktura_f::SpeedButton3Click()
{
    session_.billListOpened();
    offerCommands();
    guarded([this] {
        openList([this] {
            showList(ListMode::Bills, QStringLiteral("Lista rachunków"),
                     billLines(platform_.files, paths().documentFile()));
        });
    });
}

// Client and service lists: a file picked in a dialog, read whole into the
// list's buffer, its slots in use listed.
template <class ListRecord, class MakeLines>
void Tfaktura_f::openListFile(ListMode mode, const ListFileDialog& dialog, const QString& title,
                              std::optional<ListRecord>& buffer, MakeLines makeLines)
{
    const QString file = platform_.dialogs.openFile(this, dialog.filter,
                                                    currentFolder_ + QLatin1Char('/') + dialog.folder, dialog.ownFile);
    if (file.isEmpty())
        return;
    guarded([&] {
        openList([&] {
            buffer = readSingleRecord<ListRecord>(platform_.files, file);
            showList(mode, title + file, makeLines(*buffer));
        });
    });
    currentFolder_ = dataFolder_;
}

void Tfaktura_f::SpeedButton5Click()
{
    openListFile(ListMode::Clients, clientListDialog(), QStringLiteral("Baza klientów "), clientList_, clientLines);
}

void Tfaktura_f::SpeedButton13Click()
{
    openListFile(ListMode::Services, serviceListDialog(), QStringLiteral("Lista usług "), serviceList_, serviceLines);
}

void Tfaktura_f::odbiorcaDblClick()
{
    listMode_ = ListMode::Clients;
    SpeedButton5Click();
}

void Tfaktura_f::tabelaDblClick()
{
    listMode_ = ListMode::Services;
    SpeedButton13Click();
}

void Tfaktura_f::listaDblClick() { insertChosen(false); }

void Tfaktura_f::SpeedButton11Click() { insertChosen(true); }

void Tfaktura_f::SpeedButton10Click() { closeList(); }

void Tfaktura_f::insertChosen(bool withExtra)
{
    const int line = ui.lista->currentIndex().row();
    if (line < 0 || line >= listLines_.sources.size())
        return;
    const qint64 source = listLines_.sources[line];
    guarded([&] {
        switch (listMode_) {
        case ListMode::Clients: insertClient(int(source)); break;
        case ListMode::Services: insertService(int(source), withExtra); break;
        case ListMode::Bills: loadChosenBill(source); break;
        }
        closeList();
    });
}

void Tfaktura_f::insertClient(int slot)
{
    ui.odbiorca1->setText(clientList_->get(clients::line(1, slot)));
    ui.odbiorca2->setText(clientList_->get(clients::line(2, slot)));
    ui.odbiorca3->setText(clientList_->get(clients::line(3, slot)));
    ui.odbiorca4->setText(clientList_->get(clients::line(4, slot)));
    ui.nip_odbiorcy->setText(clientList_->get(clients::taxId(slot)));
}

void Tfaktura_f::insertService(int slot, bool withExtra)
{
    const int row = std::max(1, ui.tabela->currentRow());
    setCellText(row, 1, serviceList_->get(services::name(slot)));
    setCellText(row, 2, serviceList_->get(services::pkwiu(slot)));
    setCellText(row, 3, serviceList_->get(services::unit(slot)));
    setCellText(row, 5, serviceList_->get(services::price(slot)));
    if (withExtra)
        setCellText(row, 6, serviceList_->get(services::extra(slot)));
}

void Tfaktura_f::loadChosenBill(qint64 position)
{
    session_.loadChosen(position);
    showSessionDocument();
}

void Tfaktura_f::SpeedButton12Click()
{
    const int found = findLine(listLines_.texts, ui.szukaj->text());
    if (found < 0) {
        platform_.dialogs.inform(this, QStringLiteral("Brak danych spełniających zadane kryteria."));
        selectListLine(0);
        return;
    }
    selectListLine(found);
}
