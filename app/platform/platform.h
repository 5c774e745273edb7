#pragma once

#include "app/platform/print_queue.h"

#include <QDate>
#include <QString>
#include <QTime>

class QColor;
class QFont;
class QPrinter;
class QWidget;

namespace kw {

class FileOps;
class ProcessStarter;

// The answer to a question that may also be cancelled.
enum class Answer { Yes, No, Cancel };

// The standard dialogs of the platform. The window asks through this
// interface only, so tests can script the answers.
class Dialogs
{
public:
    virtual ~Dialogs() = default;
    // A yes/no question captioned "Pytanie"; true for yes.
    virtual bool ask(QWidget* parent, const QString& question) = 0;
    using Answer = kw::Answer;
    // A question captioned "Pytanie" with "Tak", "Nie" and "Anuluj", "Tak"
    // the default and Esc the same as "Anuluj".
    virtual Answer askYesNoCancel(QWidget* parent, const QString& question) = 0;
    // A notice captioned "Informacja" with an OK button.
    virtual void inform(QWidget* parent, const QString& text) = 0;
    // The general error handler's box.
    virtual void showError(QWidget* parent, const QString& text) = 0;
    // File dialogs; `filter` is "description|pattern". Empty when cancelled.
    virtual QString openFile(QWidget* parent, const QString& filter, const QString& folder,
                             const QString& presetName = {}) = 0;
    virtual QString saveFile(QWidget* parent, const QString& filter, const QString& folder) = 0;
    // The print dialog; false when cancelled.
    virtual bool choosePrinter(QWidget* parent, QPrinter& printer) = 0;
    // The font dialog; false when cancelled.
    virtual bool chooseFont(QWidget* parent, QFont& font) = 0;
    // The colour dialog; false when cancelled.
    virtual bool chooseColour(QWidget* parent, QColor& colour) = 0;
    // Picks a folder; empty when cancelled.
    virtual QString chooseFolder(QWidget* parent, const QString& folder) = 0;
};

// Today's date and the time of day.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDate today() const { return QDate::currentDate(); }
    virtual QTime now() const { return QTime::currentTime(); }
};

// What the window needs from the platform.
struct Platform {
    Dialogs& dialogs;
    Clock& clock;
    FileOps& files;
    // Starts the sales register.
    ProcessStarter& processes;
    // Tells whether the chosen printer's queue took a print job.
    PrintQueue& printQueue = systemPrintQueue();
};

} // namespace kw
