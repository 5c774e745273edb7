#include "print/print_font.h"

#include "store/data_files.h"
#include "store/data_folder.h"
#include "store/record_file.h"

#include <QFileInfo>

namespace kw {

namespace {

enum StyleBit : quint8 { Bold = 0x01, Italic = 0x02, Underline = 0x04, StrikeOut = 0x08 };

// A colour word whose top byte is set names a system colour of the program
// that wrote the file, not a mix of red, green and blue; text then prints
// black, the usual window text colour.
QColor colourFromWord(qint32 word)
{
    const quint32 bits = quint32(word);
    if (bits >> 24 != 0)
        return QColor(Qt::black);
    return QColor(int(bits & 0xFF), int((bits >> 8) & 0xFF), int((bits >> 16) & 0xFF));
}

qint32 wordFromColour(const QColor& colour)
{
    const QColor rgb = colour.isValid() ? colour.toRgb() : QColor(Qt::black);
    return qint32(quint32(rgb.red()) | quint32(rgb.green()) << 8 | quint32(rgb.blue()) << 16);
}

} // namespace

PrintFontRecord withFontChoice(PrintFontRecord r, const FontChoice& choice)
{
    r.setInt32At(printfont::Colour, wordFromColour(choice.colour));
    r.set(printfont::Face, choice.font.family());
    r.setInt32At(printfont::PointSize, qMax(0, qRound(choice.font.pointSizeF())));
    quint8 style = 0;
    if (choice.font.bold())
        style |= Bold;
    if (choice.font.italic())
        style |= Italic;
    if (choice.font.underline())
        style |= Underline;
    if (choice.font.strikeOut())
        style |= StrikeOut;
    r.setByteAt(printfont::Style, style);
    return r;
}

FontChoice fontChoiceOf(const PrintFontRecord& r)
{
    QFont font(r.get(printfont::Face));
    const int points = r.int32At(printfont::PointSize);
    if (points >= PrintFont::MinSize && points <= PrintFont::MaxSize)
        font.setPointSize(points);
    const quint8 style = r.byteAt(printfont::Style);
    font.setBold(style & Bold);
    font.setItalic(style & Italic);
    font.setUnderline(style & Underline);
    font.setStrikeOut(style & StrikeOut);
    return {font, colourFromWord(r.int32At(printfont::Colour))};
}

QString PrintFont::pathOf(const QString& fileName, const QString& folder)
{
    return resolvePath(folder, QStringLiteral("FONT/") + fileName);
}

std::optional<PrintFontRecord> PrintFont::readRecord(const QString& path) const
{
    if (!QFileInfo::exists(path))
        return std::nullopt;
    return readSingleRecord<PrintFontRecord>(ops_, path);
}

void PrintFont::take(const PrintFontRecord& record)
{
    record_ = record;
    face_ = record.get(printfont::Face);
    size_ = record.int32At(printfont::PointSize);
}

bool PrintFont::CzytajFonty(const QString& fileName, const QString& folder)
{
    const std::optional<PrintFontRecord> record = readRecord(pathOf(fileName, folder));
    if (!record)
        return false;
    take(*record);
    return true;
}

std::optional<FontChoice> PrintFont::dialogPreset(const QString& fileName, const QString& folder)
{
    const std::optional<PrintFontRecord> record = readRecord(pathOf(fileName, folder));
    if (!record)
        return std::nullopt;
    record_ = *record;
    return fontChoiceOf(record_);
}

void PrintFont::write(const FontChoice& choice, const QString& fileName, const QString& folder)
{
    const PrintFontRecord record = withFontChoice(PrintFontRecord(), choice);
    RecordFile(ops_, pathOf(fileName, folder), PrintFontRecord::Size).replace(record.bytes());
    take(record);
}

QColor PrintFont::colour() const { return colourFromWord(record_.int32At(printfont::Colour)); }

PrintLettering PrintFont::lettering() const
{
    return {face_.isEmpty() ? QString::fromLatin1(DefaultFace) : face_,
            size_ >= MinSize && size_ <= MaxSize ? size_ : DefaultSize, colour()};
}

} // namespace kw
