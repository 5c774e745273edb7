#pragma once

#include "app/platform/platform.h"

namespace kw {

// The dialogs of the real program: Qt's standard dialogs, in Polish.
class QtDialogs : public Dialogs
{
public:
    bool ask(QWidget* parent, const QString& question) override;
    Answer askYesNoCancel(QWidget* parent, const QString& question) override;
    void inform(QWidget* parent, const QString& text) override;
    void showError(QWidget* parent, const QString& text) override;
    QString openFile(QWidget* parent, const QString& filter, const QString& folder, const QString& presetName) override;
    QString saveFile(QWidget* parent, const QString& filter, const QString& folder) override;
    bool choosePrinter(QWidget* parent, QPrinter& printer) override;
    bool chooseFont(QWidget* parent, QFont& font) override;
    bool chooseColour(QWidget* parent, QColor& colour) override;
    QString chooseFolder(QWidget* parent, const QString& folder) override;
};

} // namespace kw
