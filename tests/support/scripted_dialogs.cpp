#include "tests/support/scripted_dialogs.h"

#include <QPrinter>

#include <gtest/gtest.h>

bool ScriptedDialogs::ask(QWidget*, const QString& question)
{
    questions.append(question);
    if (answers.isEmpty()) {
        ADD_FAILURE() << "unexpected question: " << question.toStdString();
        return false;
    }
    return answers.dequeue();
}

kw::Dialogs::Answer ScriptedDialogs::askYesNoCancel(QWidget*, const QString& question)
{
    questions.append(question);
    if (threeWayAnswers.isEmpty()) {
        ADD_FAILURE() << "unexpected question: " << question.toStdString();
        return Answer::Cancel;
    }
    return threeWayAnswers.dequeue();
}

QString ScriptedDialogs::nextFileName(const QString& filter, const QString& folder)
{
    fileFilters.append(filter + QStringLiteral(" @ ") + folder);
    if (fileNames.isEmpty()) {
        ADD_FAILURE() << "unexpected file dialog: " << filter.toStdString();
        return {};
    }
    return fileNames.dequeue();
}

QString ScriptedDialogs::openFile(QWidget*, const QString& filter, const QString& folder, const QString& presetName)
{
    presetNames.append(presetName);
    return nextFileName(filter, folder);
}

QString ScriptedDialogs::saveFile(QWidget*, const QString& filter, const QString& folder)
{
    return nextFileName(filter, folder);
}

QString ScriptedDialogs::chooseFolder(QWidget*, const QString& folder) { return nextFileName(QString(), folder); }

bool ScriptedDialogs::choosePrinter(QWidget*, QPrinter& printer)
{
    ++printDialogs;
    offeredPdfFile = printer.outputFileName();
    shownCopies = printer.copyCount();
    const bool chosen = !printerAnswers.isEmpty() && printerAnswers.dequeue();
    if (!chosen)
        return false;
    if (changeCopiesTo > 0)
        printer.setCopyCount(changeCopiesTo);
    if (pdfFile.isEmpty()) {
        printer.setOutputFileName(QString());
    } else {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfFile);
        printer.setResolution(600);
    }
    return true;
}

bool ScriptedDialogs::chooseColour(QWidget*, QColor& colour)
{
    if (colours.isEmpty())
        return false;
    colour = colours.dequeue();
    return true;
}

bool ScriptedDialogs::chooseFont(QWidget*, QFont& font)
{
    if (fonts.isEmpty())
        return false;
    font = fonts.dequeue();
    return true;
}
