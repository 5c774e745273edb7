#include "store/document_journal.h"

#include "store/document_lock.h"
#include "store/io_error.h"
#include "store/open_file.h"
#include "store/record_file.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <fcntl.h>

#include <cerrno>
#include <cstring>

namespace kw {

namespace {

constexpr char Magic[4] = {'K', 'W', 'J', 'R'};
constexpr quint32 Version = 1;
constexpr int PositionAt = 8;
constexpr int RecordAt = 16;
constexpr int SumAt = RecordAt + doc::Size;
static_assert(SumAt + 8 == DocumentJournal::Size);

quint64 fnv1a64(QByteArrayView bytes)
{
    quint64 hash = 0xcbf29ce484222325ULL;
    for (char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

} // namespace

QString documentJournalFileFor(const QString& documentFile)
{
    return QFileInfo(documentFile).path() + QStringLiteral("/dokumenty_r.jrn");
}

QByteArray journalBytes(const JournalEntry& entry)
{
    Q_ASSERT(entry.record.size() == doc::Size);
    QByteArray bytes(DocumentJournal::Size, '\0');
    char* out = bytes.data();
    std::memcpy(out, Magic, sizeof Magic);
    qToLittleEndian<quint32>(Version, out + 4);
    qToLittleEndian<qint64>(entry.position, out + PositionAt);
    std::memcpy(out + RecordAt, entry.record.constData(), doc::Size);
    qToLittleEndian<quint64>(fnv1a64(QByteArrayView(bytes).sliced(PositionAt, SumAt - PositionAt)), out + SumAt);
    return bytes;
}

std::optional<JournalEntry> parseJournal(QByteArrayView bytes)
{
    if (bytes.size() != DocumentJournal::Size || std::memcmp(bytes.data(), Magic, sizeof Magic) != 0 ||
        qFromLittleEndian<quint32>(bytes.data() + 4) != Version ||
        qFromLittleEndian<quint64>(bytes.data() + SumAt) != fnv1a64(bytes.sliced(PositionAt, SumAt - PositionAt)))
        return std::nullopt;
    JournalEntry entry;
    entry.position = qFromLittleEndian<qint64>(bytes.data() + PositionAt);
    entry.record = bytes.sliced(RecordAt, doc::Size).toByteArray();
    if (entry.position < 1)
        return std::nullopt;
    return entry;
}

QString unfinishedSaveNotice(const QString& documentFile, qint64 position, const QString& reason)
{
    return QStringLiteral("Nie można dokończyć przerwanego zapisu dokumentu nr %1 w pliku %2: %3 "
                          "Dopóki zapis nie zostanie dokończony, pliku dokumentów nie można odczytać ani zmienić.")
        .arg(position)
        .arg(documentFile, reason);
}

DocumentJournal::DocumentJournal(FileOps& ops, const QString& documentFile)
    : ops_(ops), documentFile_(documentFile), path_(documentJournalFileFor(documentFile))
{}

bool DocumentJournal::mayExist() const
{
    const int fd = ops_.open(QFile::encodeName(path_).constData(), O_RDONLY | O_NONBLOCK, 0);
    if (fd < 0)
        return errno != ENOENT;
    ops_.close(fd);
    return true;
}

void DocumentJournal::write(const JournalEntry& entry)
{
    const QByteArray bytes = journalBytes(entry);
    // A fixed temporary name: one left by a crash is simply written over.
    replaceFileAtomically(ops_, path_, path_ + QStringLiteral(".new"), [&](OpenFile& out) { out.writeAt(0, bytes); });
}

void DocumentJournal::discard()
{
    if (ops_.unlink(QFile::encodeName(path_).constData()) == 0)
        syncFolderOf(ops_, path_);
}

void DocumentJournal::apply(const JournalEntry& entry) const
{
    OpenFile file(ops_, documentFile_, OpenFile::ReadWrite);
    // A position past the file's end belongs to another file put in its
    // place: the journal is dropped, not written there.
    if (entry.position > file.size() / doc::Size)
        return;
    file.writeAt((entry.position - 1) * doc::Size, entry.record);
    file.sync();
}

void DocumentJournal::recover(const DocumentLock& lock) const
{
    std::optional<JournalEntry> entry;
    {
        OpenFile file(ops_, path_, OpenFile::ReadOnlyIfExists);
        if (!file.isOpen())
            return;
        // One byte more than a journal, so a grown file is told apart.
        QByteArray bytes(Size + 1, Qt::Uninitialized);
        bytes.truncate(file.readAt(0, bytes.data(), bytes.size()));
        entry = parseJournal(bytes);
    }
    if (!lock.held()) {
        if (!entry)
            return;
        throw IoError(unfinishedSaveNotice(documentFile_, entry->position,
                                           QStringLiteral("brak prawa zapisu w folderze pliku dokumentów.")));
    }
    if (entry) {
        try {
            apply(*entry);
        } catch (const IoError& e) {
            throw IoError(unfinishedSaveNotice(documentFile_, entry->position, e.message()));
        }
    }
    // Left in place, the journal would later write this document back over
    // a newer one.
    if (ops_.unlink(QFile::encodeName(path_).constData()) != 0 && errno != ENOENT)
        throw IoError(QStringLiteral("Nie można usunąć pliku %1: %2.").arg(path_, describeErrno(errno)));
    syncFolderOf(ops_, path_);
}

} // namespace kw
