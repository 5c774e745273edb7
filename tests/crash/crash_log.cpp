#include "tests/crash/crash_log.h"

#include <QFile>

#include <fcntl.h>
#include <unistd.h>

#include <stdexcept>
#include <string>

namespace kw::crash {

LogWriter::LogWriter(const QString& path)
    : fd_(::open(QFile::encodeName(path).constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644))
{
    if (fd_ < 0)
        throw std::runtime_error("cannot open the log " + path.toStdString());
}

LogWriter::~LogWriter() { ::close(fd_); }

void LogWriter::line(const QByteArray& text)
{
    const QByteArray bytes = text + '\n';
    if (::write(fd_, bytes.constData(), size_t(bytes.size())) != bytes.size() || ::fsync(fd_) != 0)
        throw std::runtime_error("cannot write the log");
}

namespace {

char firstChar(const QByteArray& word) { return word.isEmpty() ? 0 : word[0]; }

} // namespace

QList<Operation> readLog(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Operation> log;
    const QList<QByteArray> lines = file.readAll().split('\n');
    // The part after the last newline is a line cut short, or nothing.
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        const QList<QByteArray> words = lines[i].split(' ');
        if (words[0] == "I") {
            Operation op;
            op.kind = firstChar(words.value(1));
            op.id = words.value(2).toLongLong();
            op.newId = words.value(3).toLongLong();
            log.append(op);
        } else if (!log.isEmpty() && log.last().outcome == 0) {
            log.last().outcome = firstChar(words[0]);
        } else {
            throw std::runtime_error("log line without an operation: " + lines[i].toStdString());
        }
    }
    return log;
}

void Expected::apply(const Operation& op)
{
    const qsizetype at = documents.indexOf(op.id);
    if ((op.kind == 'O' || op.kind == 'D') && at < 0)
        throw std::runtime_error("the log changes document " + std::to_string(op.id) + ", which is not stored");
    switch (op.kind) {
    case 'A': documents.append(op.id); break;
    case 'O': documents[at] = op.newId; break;
    case 'D': documents.remove(at); break;
    case 'S': settings = op.id; break;
    }
    if (op.kind != 'S')
        tornTailAllowed = false;
}

Expected expectedAfter(const QList<Operation>& log)
{
    Expected expected;
    for (const Operation& op : log) {
        if (op.outcome == 'C')
            expected.apply(op);
        else if (op.kind == 'A' && op.outcome != 'R' && op.outcome != 'B')
            expected.tornTailAllowed = true;
    }
    return expected;
}

} // namespace kw::crash
