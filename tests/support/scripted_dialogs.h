#pragma once

#include "app/platform/platform.h"
#include "handoff/process_starter.h"

#include <QColor>
#include <QDate>
#include <QFont>
#include <QQueue>
#include <QStringList>

// Dialogs whose answers a test scripts in advance; every message shown is
// recorded. A question with no scripted answer fails the test.
class ScriptedDialogs : public kw::Dialogs
{
public:
    QQueue<bool> answers;        // for ask()
    QQueue<QString> fileNames;   // for openFile(), saveFile() and chooseFolder(); "" cancels
    QQueue<bool> printerAnswers; // for choosePrinter(); an empty queue cancels
    QString pdfFile;             // when set, a chosen printer writes this PDF file at 600 dpi; else it is a queue
    int printDialogs = 0;        // how often the print dialog was shown
    QString offeredPdfFile;      // the file name the last print dialog offered for printing to a file
    int shownCopies = 0;         // the number of copies the last print dialog showed
    int changeCopiesTo = 0;      // when set, the user changes the print dialog's number of copies to it
    QQueue<QFont> fonts;         // for chooseFont(); an empty queue cancels
    QQueue<QColor> colours;      // for chooseColour(); an empty queue cancels
    QStringList questions;
    QStringList notices;
    QStringList errors;
    QStringList fileFilters; // filter and folder of each file dialog, "filter @ folder"
    // For askYesNoCancel(), which records its question with ask()'s.
    QQueue<Answer> threeWayAnswers;
    QStringList presetNames; // the file name each open dialog preselected, "" for none

    bool ask(QWidget*, const QString& question) override;
    Answer askYesNoCancel(QWidget*, const QString& question) override;
    void inform(QWidget*, const QString& text) override { notices.append(text); }
    void showError(QWidget*, const QString& text) override { errors.append(text); }
    QString openFile(QWidget*, const QString& filter, const QString& folder, const QString& presetName) override;
    QString saveFile(QWidget*, const QString& filter, const QString& folder) override;
    bool choosePrinter(QWidget*, QPrinter&) override;
    bool chooseFont(QWidget*, QFont& font) override;
    bool chooseColour(QWidget*, QColor& colour) override;
    QString chooseFolder(QWidget*, const QString& folder) override;

private:
    QString nextFileName(const QString& filter, const QString& folder);
};

// A clock fixed at a chosen moment.
class FixedClock : public kw::Clock
{
public:
    QDate date{2009, 3, 5};
    QTime time{12, 34, 56};
    QDate today() const override { return date; }
    QTime now() const override { return time; }
};

// Records each start of a program instead of starting it.
class RecordingStarter : public kw::ProcessStarter
{
public:
    struct Start {
        QString folder;
        QStringList arguments;
    };
    QList<Start> starts;
    bool succeed = true;

    bool start(const QString& folder, const QStringList& arguments, QString& reason) override
    {
        starts.append({folder, arguments});
        if (!succeed)
            reason = QStringLiteral("nie udało się uruchomić");
        return succeed;
    }
};
