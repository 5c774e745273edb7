#include "print/pdf_info.h"

#include <QByteArray>
#include <QStringDecoder>

namespace kw {

namespace {

// The trailer and the offset of the cross-reference table end a file.
constexpr qint64 tailSize = 4096;
// The information dictionary is a few strings.
constexpr qint64 dictionarySize = 16384;
// "0000000015 00000 n\r\n": one entry of the cross-reference table.
constexpr qint64 entrySize = 20;
// A table in more parts than this is not one a writer made.
constexpr int mostSubsections = 1000;

bool isWhite(char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0'; }

bool isDelimiter(char c) { return QByteArrayView("()<>[]{}/%").contains(c); }

// Reads the tokens of PDF text that finding the creator needs.
class PdfScanner
{
public:
    explicit PdfScanner(const QByteArray& text, qsizetype at = 0) : text_(text), at_(at) {}

    // Whether `word` comes next, as a whole token; it is passed then.
    bool keyword(QByteArrayView word)
    {
        skipWhite();
        if (!QByteArrayView(text_).sliced(at_).startsWith(word))
            return false;
        const qsizetype end = at_ + word.size();
        // "obj" is not the start of "object"; "<<" ends by itself.
        if (end < text_.size() && !isWhite(text_[end]) && !isDelimiter(text_[end]) && !isDelimiter(word.back()))
            return false;
        at_ = end;
        return true;
    }

    std::optional<qint64> number()
    {
        skipWhite();
        qsizetype end = at_;
        while (end < text_.size() && text_[end] >= '0' && text_[end] <= '9' && end - at_ < 18)
            ++end;
        if (end == at_)
            return std::nullopt;
        const qint64 value = text_.mid(at_, end - at_).toLongLong();
        at_ = end;
        return value;
    }

    // A literal "(...)" or hexadecimal "<...>" string, as bytes.
    std::optional<QByteArray> string()
    {
        skipWhite();
        if (at_ < text_.size() && text_[at_] == '(')
            return literalString();
        if (at_ < text_.size() && text_[at_] == '<')
            return hexString();
        return std::nullopt;
    }

    qsizetype position() const { return at_; }

    // Passes the rest of the line and its end (LF, CRLF or a lone CR).
    void skipLine()
    {
        while (at_ < text_.size() && text_[at_] != '\n' && text_[at_] != '\r')
            ++at_;
        if (at_ < text_.size() && text_[at_] == '\r')
            ++at_;
        endOfLine();
    }

private:
    // After a CR: passes the LF of a CRLF. Gives the line feed the end stands for.
    char endOfLine()
    {
        if (at_ < text_.size() && text_[at_] == '\n')
            ++at_;
        return '\n';
    }

    void skipWhite()
    {
        while (at_ < text_.size() && isWhite(text_[at_]))
            ++at_;
    }

    std::optional<QByteArray> literalString()
    {
        QByteArray bytes;
        int depth = 0;
        while (at_ < text_.size()) {
            const char c = text_[at_++];
            if (c == '(' && depth++ == 0)
                continue;
            if (c == ')' && --depth == 0)
                return bytes;
            if (c == '\\' && at_ < text_.size())
                bytes += escaped();
            else if (c == '\r') // any end of line in a string reads as a line feed
                bytes += endOfLine();
            else
                bytes += c;
        }
        return std::nullopt;
    }

    // The bytes of the escape after a backslash.
    QByteArray escaped()
    {
        const char c = text_[at_++];
        switch (c) {
        case 'n': return "\n";
        case 'r': return "\r";
        case 't': return "\t";
        case 'b': return "\b";
        case 'f': return "\f";
        case '\r': endOfLine(); return {}; // a line continued
        case '\n': return {};
        default: break;
        }
        if (c < '0' || c > '7')
            return QByteArray(1, c);
        int value = c - '0';
        for (int digits = 1; digits < 3 && at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '7'; ++digits)
            value = value * 8 + (text_[at_++] - '0');
        return QByteArray(1, char(value & 0xFF));
    }

    std::optional<QByteArray> hexString()
    {
        const qsizetype end = text_.indexOf('>', at_);
        if (end < 0)
            return std::nullopt;
        QByteArray digits;
        for (qsizetype i = at_ + 1; i < end; ++i) {
            if (!isWhite(text_[i]))
                digits += text_[i];
        }
        at_ = end + 1;
        if (digits.size() % 2)
            digits += '0';
        const QByteArray bytes = QByteArray::fromHex(digits);
        return bytes.toHex() == digits.toLower() ? std::optional(bytes) : std::nullopt;
    }

    const QByteArray& text_;
    qsizetype at_;
};

QByteArray readAt(QIODevice& file, qint64 offset, qint64 length)
{
    if (offset < 0 || offset > file.size() || !file.seek(offset))
        return {};
    return file.read(length);
}

// A text string: UTF-16BE or UTF-8 after their byte-order mark, else
// PDFDocEncoding, which agrees with Latin-1 on the letters a name uses.
QString textString(const QByteArray& bytes)
{
    if (bytes.startsWith("\xFE\xFF"))
        return QStringDecoder(QStringDecoder::Utf16BE).decode(bytes.sliced(2));
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.sliced(3));
    return QString::fromLatin1(bytes);
}

struct Reference {
    qint64 object;
    qint64 generation;
};

// The information dictionary the last trailer names, and where the last
// cross-reference table starts.
std::optional<std::pair<Reference, qint64>> lastTrailer(QIODevice& file)
{
    const qint64 start = qMax<qint64>(0, file.size() - tailSize);
    const QByteArray tail = readAt(file, start, tailSize);
    const qsizetype startxref = tail.lastIndexOf("startxref");
    const qsizetype trailer = tail.lastIndexOf("trailer", startxref);
    const qsizetype info = tail.indexOf("/Info", trailer);
    if (startxref < 0 || trailer < 0 || info < 0 || info > startxref)
        return std::nullopt;
    PdfScanner atInfo(tail, info);
    PdfScanner atOffset(tail, startxref);
    atInfo.keyword("/Info");
    atOffset.keyword("startxref");
    const std::optional<qint64> object = atInfo.number();
    const std::optional<qint64> generation = atInfo.number();
    const std::optional<qint64> table = atOffset.number();
    if (!object || !generation || !atInfo.keyword("R") || !table)
        return std::nullopt;
    return std::pair{Reference{*object, *generation}, *table};
}

// Where object `object` starts, from the cross-reference table at `table`.
std::optional<qint64> objectOffset(QIODevice& file, qint64 table, qint64 object)
{
    QByteArray header = readAt(file, table, 64);
    PdfScanner xref(header);
    if (!xref.keyword("xref"))
        return std::nullopt;
    xref.skipLine();
    // Each subsection: its first object number and count on a line, then
    // that many entries of entrySize bytes.
    qint64 at = table + xref.position();
    for (int i = 0; i < mostSubsections; ++i) {
        header = readAt(file, at, 64);
        PdfScanner subsection(header);
        const std::optional<qint64> first = subsection.number();
        const std::optional<qint64> count = subsection.number();
        if (!first || !count)
            return std::nullopt;
        subsection.skipLine();
        const qint64 entries = at + subsection.position();
        // More entries than the rest of the file holds: no table a writer
        // made, and their offsets would overflow.
        if (*count > (file.size() - entries) / entrySize)
            return std::nullopt;
        if (object >= *first && object < *first + *count) {
            const QByteArray entry = readAt(file, entries + (object - *first) * entrySize, entrySize);
            PdfScanner fields(entry);
            const std::optional<qint64> offset = fields.number();
            if (!offset || !fields.number() || !fields.keyword("n"))
                return std::nullopt;
            return offset;
        }
        at = entries + *count * entrySize;
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> pdfCreator(QIODevice& file)
{
    if (!readAt(file, 0, 5).startsWith("%PDF-"))
        return std::nullopt;
    const std::optional<std::pair<Reference, qint64>> trailer = lastTrailer(file);
    if (!trailer)
        return std::nullopt;
    const auto [info, table] = *trailer;
    const std::optional<qint64> offset = objectOffset(file, table, info.object);
    if (!offset)
        return std::nullopt;
    const QByteArray object = readAt(file, *offset, dictionarySize);
    PdfScanner dictionary(object);
    if (dictionary.number() != info.object || dictionary.number() != info.generation || !dictionary.keyword("obj") ||
        !dictionary.keyword("<<"))
        return std::nullopt;
    const qsizetype end = object.indexOf("endobj");
    qsizetype key = object.indexOf("/Creator");
    // Not /CreatorTool or any longer name.
    while (key >= 0 && key + 8 < object.size() && !isWhite(object[key + 8]) && !isDelimiter(object[key + 8]))
        key = object.indexOf("/Creator", key + 1);
    if (key < 0 || (end >= 0 && key > end))
        return std::nullopt;
    PdfScanner value(object, key + 8);
    const std::optional<QByteArray> creator = value.string();
    if (!creator)
        return std::nullopt;
    return textString(*creator);
}

} // namespace kw
