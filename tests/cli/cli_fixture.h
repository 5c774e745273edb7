#pragma once

#include "tests/cli/cli_data.h"
#include "tests/cli/kwitarnia_process.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kw {

// The sentinel and five documents:
//   2 bill 7/2009, Jan Kowalski, 2009-03-05, 120.00
//   3 corrective bill 1/K/2009 of 7/2009, 2009-03-20, 120.00 -> 100.00
//   4 bill 8/2009, Żaneta Łęcka, 2009-04-02, 35.50
//   5 bill 9/2009, Firma ABC, 2009-03-31, 10.00
//   6 a record of an unknown kind issued 2009-03-15
inline QList<DocumentRecord> standardDocuments()
{
    DocumentRecord unknownKind =
        cliBill(10, QStringLiteral("2009-03-15"), QStringLiteral("Nieznany"), QStringLiteral("1.00"));
    unknownKind.set(doc::DocKind, QStringLiteral("X"));
    return {cliBill(7, QStringLiteral("2009-03-05"), QStringLiteral("Jan Kowalski"), QStringLiteral("120.00")),
            cliCorrectiveBill(1, QStringLiteral("2009-03-20"), QStringLiteral("Jan Kowalski"), QStringLiteral("7/2009"),
                              QStringLiteral("120.00"), QStringLiteral("100.00")),
            cliBill(8, QStringLiteral("2009-04-02"), QStringLiteral("Żaneta Łęcka"), QStringLiteral("35.50")),
            cliBill(9, QStringLiteral("2009-03-31"), QStringLiteral("Firma ABC"), QStringLiteral("10.00")),
            unknownKind};
}

// Admini and Uslugi under `folder` with settings, seller and the standard
// documents.
inline void makeStandardDataFolder(const QString& folder)
{
    QDir(folder).mkpath(QStringLiteral("Admini"));
    QDir(folder).mkpath(QStringLiteral("Uslugi"));
    writeCliDataFolder(folder, standardDocuments());
}

// A start folder with no location file, so it is the data folder too,
// holding the standard documents.
class CliTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(start_.isValid());
        makeStandardDataFolder(start());
    }

    QString start() const { return start_.path(); }

    static void makeDataFolder(const QString& folder) { makeStandardDataFolder(folder); }

    ProcessResult run(const QStringList& args) const { return runKwitarnia(start(), args); }

    QTemporaryDir start_;
};

} // namespace kw
