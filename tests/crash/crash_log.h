#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace kw::crash {

// The side log of a crash driver: one line before each operation ("I A id",
// "I O oldId newId", "I D id", "I S id") and one after it ("C" done, "R"
// refused as changed meanwhile, "B" refused as busy). Each line is written
// with one append and synced before the driver goes on, so the log never
// claims more than was done. After a kill the test resolves an operation
// left open with "C" or "X" (not done) from what it finds on disk.
class LogWriter
{
public:
    explicit LogWriter(const QString& path);
    ~LogWriter();
    LogWriter(const LogWriter&) = delete;
    LogWriter& operator=(const LogWriter&) = delete;

    void line(const QByteArray& text);

private:
    int fd_ = -1;
};

struct Operation {
    char kind = 0;    // 'A' append, 'O' overwrite, 'D' delete, 'S' settings
    qint64 id = 0;    // appended, overwritten, deleted or settings id
    qint64 newId = 0; // the overwriting document
    char outcome = 0; // 'C', 'R', 'B', 'X', or 0 while open
};

// The operations of a log, in order; a last line cut short is left out.
QList<Operation> readLog(const QString& path);

// What the documents and settings are after the operations marked done.
struct Expected {
    QList<qint64> documents{0};
    qint64 settings = 0;
    // An append was cut short and nothing has rewritten the file since, so
    // a torn tail may stay behind the last whole record.
    bool tornTailAllowed = false;

    void apply(const Operation& op);
};

Expected expectedAfter(const QList<Operation>& log);

} // namespace kw::crash
