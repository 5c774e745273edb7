#include "documents/payment_marks_format.h"

#include "documents/document_amount.h"
#include "documents/iso_date.h"
#include "store/cp1250.h"
#include "store/io_error.h"
#include "store/record_layouts.h"

#include <QUtf8StringView>

#include <algorithm>
#include <array>
#include <unordered_set>

namespace kw {

namespace {

constexpr char separator = '\t';
constexpr char escape = '%';
constexpr std::string_view unpaidWord = "nie";
constexpr std::array<StringField, 4> keyFields = {doc::DocKind, doc::DocNumber, doc::NumberSuffix, doc::IssueDate};

bool mustEscape(char16_t c) { return c < 0x20 || c == 0x7f || c == u'%'; }

const char hexDigits[] = "0123456789ABCDEF";

void appendEscaped(std::string& out, const QString& field)
{
    QString text;
    for (const QChar c : field) {
        if (mustEscape(c.unicode())) {
            text += QChar(escape);
            text += QChar(hexDigits[c.unicode() >> 4]);
            text += QChar(hexDigits[c.unicode() & 0xf]);
        } else {
            text += c;
        }
    }
    const QByteArray utf8 = text.toUtf8();
    out.append(utf8.constData(), size_t(utf8.size()));
}

// What each byte of a record's text is in a written key.
const std::array<std::string, 256>& writtenBytes()
{
    static const std::array<std::string, 256> table = [] {
        std::array<std::string, 256> written;
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            appendEscaped(written[size_t(b)], fromCp1250(QByteArrayView(&byte, 1)));
        }
        return written;
    }();
    return table;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

struct LineError {
    QString reason;
};

// Checks field `number` (1-based) of a key: no raw control character, only
// the escapes the program writes, at most `width` characters.
void checkKeyField(std::string_view field, int number, int width)
{
    int characters = 0;
    for (size_t i = 0; i < field.size(); ++i) {
        const auto byte = quint8(field[i]);
        if (byte < 0x20 || byte == 0x7f ||
            (byte == quint8(escape) &&
             (i + 2 >= field.size() || hexValue(field[i + 1]) < 0 || hexValue(field[i + 2]) < 0 ||
              !mustEscape(char16_t(hexValue(field[i + 1]) * 16 + hexValue(field[i + 2]))))))
            throw LineError{QStringLiteral("pole %1 zawiera niedozwolony znak").arg(number)};
        if (byte == quint8(escape))
            i += 2;
        // UTF-16 units, as the field is counted in the document file.
        if ((byte & 0xc0) != 0x80)
            characters += byte >= 0xf0 ? 2 : 1;
    }
    if (characters > width)
        throw LineError{QStringLiteral("pole %1 jest dłuższe niż w pliku dokumentów").arg(number)};
}

WrittenMark scanLine(std::string_view line)
{
    std::array<std::string_view, 5> fields;
    size_t start = 0;
    for (size_t i = 0; i < fields.size(); ++i) {
        const size_t end = i + 1 < fields.size()
            ? size_t(std::find(line.begin() + start, line.end(), separator) - line.begin())
            : line.size();
        if (end == line.size() && i + 1 < fields.size())
            throw LineError{QStringLiteral("wpis powinien mieć pięć pól rozdzielonych tabulatorami")};
        fields[i] = line.substr(start, end - start);
        start = end + 1;
    }
    if (std::find(fields[4].begin(), fields[4].end(), separator) != fields[4].end())
        throw LineError{QStringLiteral("wpis powinien mieć pięć pól rozdzielonych tabulatorami")};
    for (size_t i = 0; i < keyFields.size(); ++i)
        checkKeyField(fields[i], int(i) + 1, keyFields[i].maxChars);
    if (fields[0] != "F" && fields[0] != "K")
        throw LineError{QStringLiteral("rodzaj dokumentu powinien być „F” albo „K”")};
    WrittenMark mark{line.substr(0, size_t(fields[4].data() - line.data()) - 1), false, {}};
    if (fields[4] == unpaidWord)
        return mark;
    mark.date = isoDate(fields[4]);
    if (!mark.date.isValid())
        throw LineError{QStringLiteral("zapłata powinna być datą RRRR-MM-DD albo słowem „nie”")};
    mark.paid = true;
    return mark;
}

QString lineError(const QString& path, qsizetype line, const QString& reason)
{
    return QStringLiteral("Plik zapłat %1 jest uszkodzony (wiersz %2): %3. Popraw ten wiersz albo usuń go.")
        .arg(path)
        .arg(line)
        .arg(reason);
}

QString unescapedField(std::string_view field)
{
    std::string bytes;
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] == escape) {
            bytes += char(hexValue(field[i + 1]) * 16 + hexValue(field[i + 2]));
            i += 2;
        } else {
            bytes += field[i];
        }
    }
    return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
}

} // namespace

QString paymentMarksHeading() { return QStringLiteral("Kwitarnia: zapłaty rachunków, wersja 1"); }

void scanMarkLines(const QString& path, QByteArrayView bytes, const std::function<bool(const WrittenMark&)>& take)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    if (bytes.isEmpty())
        return;
    // Each line in turn, without its "\n"; a last "\n" ends the last line.
    const auto forEachLine = [&](const std::function<void(std::string_view, qsizetype)>& line) {
        qsizetype number = 1;
        // Lines are short, so a plain search beats memchr's start-up for each.
        for (auto start = bytes.begin(); start != bytes.end(); ++number) {
            const auto end = std::find(start, bytes.end(), '\n');
            line(std::string_view(start, size_t(end - start)), number);
            start = end == bytes.end() ? end : end + 1;
        }
    };
    if (!QUtf8StringView(bytes).isValidUtf8()) {
        qsizetype wrong = 0;
        forEachLine([&](std::string_view line, qsizetype number) {
            if (wrong == 0 && !QUtf8StringView(line).isValidUtf8())
                wrong = number;
        });
        throw IoError(lineError(path, std::max<qsizetype>(wrong, 1), QStringLiteral("to nie jest tekst UTF-8")));
    }
    const QByteArray heading = paymentMarksHeading().toUtf8();
    forEachLine([&](std::string_view line, qsizetype number) {
        if (number == 1) {
            if (line != std::string_view(heading.constData(), size_t(heading.size())))
                throw IoError(lineError(
                    path, 1, QStringLiteral("pierwszy wiersz powinien brzmieć „%1”").arg(paymentMarksHeading())));
            return;
        }
        try {
            if (!take(scanLine(line)))
                throw IoError(repeatedMarkError(path, number));
        } catch (const LineError& error) {
            throw IoError(lineError(path, number, error.reason));
        }
    });
}

QString repeatedMarkError(const QString& path, qsizetype line)
{
    return lineError(path, line, QStringLiteral("ten rachunek ma już wpis we wcześniejszym wierszu"));
}

QList<MarkLine> parseMarkLines(const QString& path, const QByteArray& bytes)
{
    QList<MarkLine> lines;
    std::unordered_set<std::string_view> marked;
    scanMarkLines(path, bytes, [&](const WrittenMark& mark) {
        if (!marked.insert(mark.key).second)
            return false;
        std::array<QString, 4> key;
        size_t start = 0;
        for (size_t i = 0; i < key.size(); ++i) {
            const size_t end = i + 1 < key.size() ? mark.key.find(separator, start) : mark.key.size();
            key[i] = unescapedField(mark.key.substr(start, end - start));
            start = end + 1;
        }
        lines.append({{key[0], key[1], key[2], key[3]}, mark.paid, mark.date});
        return true;
    });
    return lines;
}

QByteArray formatMarkLines(const QList<MarkLine>& lines)
{
    std::string text = paymentMarksHeading().toStdString() + '\n';
    for (const MarkLine& mark : lines) {
        text += writtenKey(mark.key);
        text += separator;
        if (mark.paid) {
            char date[10];
            text.append(date, size_t(writeIsoDate(date, mark.date) - date));
        } else {
            text += unpaidWord;
        }
        text += '\n';
    }
    return QByteArray(text.data(), qsizetype(text.size()));
}

std::string writtenKey(const BillKey& key)
{
    std::string out;
    const std::array<const QString*, 4> fields = {&key.kind, &key.number, &key.suffix, &key.issueDate};
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += separator;
        appendEscaped(out, *fields[i]);
    }
    return out;
}

void writtenKeyOf(QByteArrayView record, std::string& out)
{
    const std::array<std::string, 256>& written = writtenBytes();
    // Printable ASCII but "%" stands for itself, so such runs go in whole.
    const auto asItself = [](char byte) { return byte >= 0x20 && byte < 0x7f && byte != escape; };
    out.clear();
    for (size_t i = 0; i < keyFields.size(); ++i) {
        if (i > 0)
            out += separator;
        const std::string_view text = storedText(record, keyFields[i]);
        for (size_t at = 0; at < text.size();) {
            size_t end = at;
            while (end < text.size() && asItself(text[end]))
                ++end;
            out.append(text.data() + at, end - at);
            if (end < text.size())
                out += written[quint8(text[end++])];
            at = end;
        }
    }
}

} // namespace kw
