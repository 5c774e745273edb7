#pragma once

#include "store/file_ops.h"
#include "store/records.h"

#include <QColor>
#include <QDir>
#include <QFont>
#include <QString>

#include <optional>

namespace kw {

// The print-font file the bill printout reads, in the folder FONT under the
// current directory.
inline const QString printFontFileName = QStringLiteral("font_trelmo_2007.dat");

// What the printout letters with: face N, base size S in points and colour.
struct PrintLettering {
    QString face;
    int size = 0;
    QColor colour;
};

// A font as the font dialog shows and returns it.
struct FontChoice {
    QFont font;
    QColor colour;
};

// `record` with the colour, face (cut to 60 characters), size in whole
// points and style bits of `choice`; its padding bytes as they were.
PrintFontRecord withFontChoice(PrintFontRecord record, const FontChoice& choice);

// The font and colour a record describes, as the font dialog shows them.
FontChoice fontChoiceOf(const PrintFontRecord& record);

// The print font: the record last read or written, and the face and size
// copied from it. Before the first read the record is all zeros, the face
// empty and the size 0.
class PrintFont
{
public:
    // Printed with when no font has been read, or the face or size read is
    // unusable.
    static constexpr const char* DefaultFace = "Arial";
    static constexpr int DefaultSize = 10;
    // Sizes outside this range are unusable on paper and print at DefaultSize.
    static constexpr int MinSize = 1;
    static constexpr int MaxSize = 200;

    explicit PrintFont(FileOps& ops) : ops_(ops) {}

    // Reads the first record of FONT/<fileName> under `folder` and takes its
    // face and size. When no such file exists, nothing changes and false is
    // returned. Throws IoError when the file is shorter than a record or
    // cannot be read; the face and size then stay as they were.
    bool CzytajFonty(const QString& fileName, const QString& folder = QDir::currentPath());

    // The start of choosing a font: when FONT/<fileName> exists, reads its
    // record (the face and size stay until a font is written) and returns the
    // font to show in the dialog; empty when there is no file. Throws IoError
    // like CzytajFonty.
    std::optional<FontChoice> dialogPreset(const QString& fileName, const QString& folder = QDir::currentPath());

    // The end of choosing a font: fills a record from the chosen font (face
    // cut to 60 characters, size in whole points, style bits), replaces
    // FONT/<fileName> with it as its only record, then takes it with its
    // face and size. Throws IoError when the file could not be replaced; the
    // previous file and everything in memory then stay as they were.
    void write(const FontChoice& choice, const QString& fileName, const QString& folder = QDir::currentPath());

    const PrintFontRecord& record() const { return record_; }
    const QString& face() const { return face_; }
    int size() const { return size_; }
    // The record's colour (0x00BBGGRR on disk).
    QColor colour() const;

    // Face, size and colour for the printout; an empty face prints with
    // Arial and a size outside 1 to 200 points with 10 points.
    PrintLettering lettering() const;

private:
    static QString pathOf(const QString& fileName, const QString& folder);
    // Reads the file's first record; empty when there is no such file.
    std::optional<PrintFontRecord> readRecord(const QString& path) const;
    void take(const PrintFontRecord& record);

    FileOps& ops_;
    PrintFontRecord record_;
    QString face_;
    int size_ = 0;
};

} // namespace kw
