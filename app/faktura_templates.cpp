// Document templates: saving the document on screen, inserting one into it,
// deleting a template file.

#include "app/Tfaktura_f.h"

#include "documents/document_template.h"

using namespace kw;

QString Tfaktura_f::templatesFolder() const { return currentFolder_ + QLatin1Char('/') + templateFolder(); }

void Tfaktura_f::SpeedButton21Click()
{
    const QString file = platform_.dialogs.saveFile(this, templateSaveFilter(), templatesFolder());
    if (file.isEmpty())
        return;
    readWindowIntoSession();
    guarded([&] {
        saveTemplate(platform_.files, file, session_.templateToSave());
        platform_.dialogs.inform(this, templateSavedNotice());
    });
    currentFolder_ = dataFolder_;
}

void Tfaktura_f::SpeedButton22Click()
{
    const QString file = platform_.dialogs.openFile(this, templateOpenFilter(), templatesFolder());
    if (file.isEmpty())
        return;
    runOnSession([&] {
        session_.insertTemplate(readTemplate(platform_.files, file));
        return std::optional<QString>();
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
