#pragma once

#include "store/records.h"

#include <QList>
#include <QString>

namespace kw {

// Data folders for running the program from the command line, written
// through the program's own record code.

// Bill `number`/2009 to `buyer` issued on `issueDate`: one line of service
// whose total is `total`, paid in cash within 7 days.
DocumentRecord cliBill(int number, const QString& issueDate, const QString& buyer, const QString& total);

// Corrective bill `number`/K/2009 of bill `corrected`: the bill's total
// `before`, corrected to `after`.
DocumentRecord cliCorrectiveBill(int number, const QString& issueDate, const QString& buyer, const QString& corrected,
                                 const QString& before, const QString& after);

// The settings ("oryginał / kopia", a footnote) and seller files under
// `folder`, and its document file: the sentinel, then `documents`. The
// Admini and Uslugi sub-folders must exist.
void writeCliDataFolder(const QString& folder, const QList<DocumentRecord>& documents);

// The location file Admini/siec.dat under `startFolder`.
void writeLocationFile(const QString& startFolder, quint8 mode, const QString& localPath, const QString& networkPath);

// The print font FONT/font_trelmo_2007.dat under `startFolder`.
void writePrintFontFile(const QString& startFolder, const QString& face, int points);

} // namespace kw
