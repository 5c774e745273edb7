// Document templates: saving the document on screen, inserting one into it,
// deleting a template file.

#include "app/Tfaktura_f.h"

#include "app/widgets/dbl_click_line_edit.h"
#include "extras/document_template.h"

#include <QComboBox>
#include <QLineEdit>

using namespace kw;

DocumentForm Tfaktura_f::documentForm() const
{
    DocumentForm form;
    form.place = ui.miejscowosc->text();
    form.issueDate = ui.data_wystawienia->text();
    form.number = ui.numerator->text();
    form.numberSuffix = ui.rozszerzenie->text();
    form.buyerLines = {ui.odbiorca1->text(), ui.odbiorca2->text(), ui.odbiorca3->text(), ui.odbiorca4->text()};
    form.buyerTaxId = ui.nip_odbiorcy->text();
    form.paymentMethod = ui.forma_zaplaty->currentText();
    form.paymentTerm = ui.termin_zaplaty->currentText();
    form.serviceDate = ui.data_uslugi->text();
    form.signature = ui.podpis->text();
    for (int c = 1; c <= doc::Columns; ++c)
        for (int r = 1; r <= doc::Lines; ++r)
            form.cells[c - 1][r - 1] = cellText(r, c);
    return form;
}

void Tfaktura_f::showDocumentForm(const DocumentForm& form)
{
    ui.miejscowosc->setText(form.place);
    ui.data_wystawienia->setText(form.issueDate);
    ui.numerator->setText(form.number);
    ui.rozszerzenie->setText(form.numberSuffix);
    ui.odbiorca1->setText(form.buyerLines[0]);
    ui.odbiorca2->setText(form.buyerLines[1]);
    ui.odbiorca3->setText(form.buyerLines[2]);
    ui.odbiorca4->setText(form.buyerLines[3]);
    ui.nip_odbiorcy->setText(form.buyerTaxId);
    ui.forma_zaplaty->setEditText(form.paymentMethod);
    ui.termin_zaplaty->setEditText(form.paymentTerm);
    ui.data_uslugi->setText(form.serviceDate);
    ui.podpis->setText(form.signature);
    for (int c = 1; c <= doc::Columns; ++c)
        for (int r = 1; r <= doc::Lines; ++r)
            setCellText(r, c, form.cells[c - 1][r - 1]);
}

QString Tfaktura_f::templatesFolder() const { return currentFolder_ + QLatin1Char('/') + templateFolder(); }

void Tfaktura_f::SpeedButton21Click()
{
    const QString file = platform_.dialogs.saveFile(this, templateSaveFilter(), templatesFolder());
    if (file.isEmpty())
        return;
    guarded([&] {
        saveTemplate(platform_.files, file, templateRecord(documentForm()));
        platform_.dialogs.inform(this, templateSavedNotice());
    });
    currentFolder_ = dataFolder_;
}

void Tfaktura_f::SpeedButton22Click()
{
    const QString file = platform_.dialogs.openFile(this, templateOpenFilter(), templatesFolder());
    if (file.isEmpty())
        return;
    guarded([&] {
        const DocumentRecord tpl = readTemplate(platform_.files, file);
        state_.templateInserted();
        showDocumentForm(applyTemplate(tpl, documentForm()));
    });
    currentFolder_ = dataFolder_;
}

void Tfaktura_f::SpeedButton23Click()
{
    const QString file = platform_.dialogs.openFile(this, templateOpenFilter(), templatesFolder());
    if (file.isEmpty())
        return;
    if (platform_.dialogs.ask(this, templateDeleteQuestion())) {
        guarded([&] {
            deleteTemplate(platform_.files, file);
            platform_.dialogs.inform(this, templateDeletedNotice());
        });
    }
    currentFolder_ = dataFolder_;
}
