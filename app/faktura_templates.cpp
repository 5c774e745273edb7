// Document templates: saving the document on screen, inserting one into it,
// deleting a template file.

#include "app/Tfaktura_f.h"

#include "documents/document_template.h"

using namespace kw;

DocumentForm Tfaktura_f::documentForm() const
{
    DocumentForm form;
    form.head = headFromWindow();
    for (int c = 1; c <= doc::Columns; ++c)
        for (int r = 1; r <= doc::Lines; ++r)
            form.cells[c - 1][r - 1] = cellText(r, c);
    return form;
}

void Tfaktura_f::showDocumentForm(const DocumentForm& form)
{
    showHead(form.head);
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
