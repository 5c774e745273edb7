#include "store/edited_file.h"

#include "store/io_error.h"
#include "store/open_file.h"
#include "store/record_file.h"

#include <cerrno>

namespace kw {

EditedFile::EditedFile(FileOps& ops, const QString& path, int recordSize, bool mayBeMissing)
    : ops_(ops), path_(path), recordSize_(recordSize), mayBeMissing_(mayBeMissing), contents_(readChecked())
{}

std::optional<QByteArray> EditedFile::readChecked() const
{
    std::optional<QByteArray> contents = readContents();
    if (!contents && !mayBeMissing_)
        throw IoError(QStringLiteral("Nie można otworzyć pliku %1: %2.").arg(path_, describeErrno(ENOENT)));
    if (contents && contents->size() < recordSize_)
        throw IoError(QStringLiteral("Plik %1 jest krótszy niż jeden rekord (%2 bajtów).").arg(path_).arg(recordSize_));
    return contents;
}

void EditedFile::reload() { contents_ = readChecked(); }

std::optional<QByteArray> EditedFile::readContents() const
{
    const OpenFile file(ops_, path_, OpenFile::ReadOnlyIfExists);
    if (!file.isOpen())
        return std::nullopt;
    return file.readExactly(0, file.size());
}

QByteArray EditedFile::record() const
{
    return contents_ ? contents_->left(recordSize_) : QByteArray(recordSize_, '\0');
}

bool EditedFile::changedOnDisk() const { return readContents() != contents_; }

void EditedFile::save(const QByteArray& record)
{
    Q_ASSERT(record.size() == recordSize_);
    if (changedOnDisk())
        throw IoError(QStringLiteral("Plik %1 został zmieniony od chwili jego otwarcia (przez inny program "
                                     "albo zapisanie dokumentu). Zmian nie zapisano: zamknij okno ustawień, "
                                     "otwórz je ponownie i wprowadź zmiany jeszcze raz.")
                          .arg(path_));
    const QByteArray contents = record + (contents_ ? contents_->mid(recordSize_) : QByteArray());
    RecordFile(ops_, path_, recordSize_).replace(contents);
    contents_ = contents;
}

} // namespace kw
