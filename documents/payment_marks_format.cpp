#include "documents/payment_marks_format.h"

#include "store/io_error.h"
#include "store/record_layouts.h"

#include <QStringDecoder>

#include <algorithm>
#include <optional>
#include <string_view>
#include <unordered_set>

namespace kw {

namespace {

constexpr QChar separator = u'\t';
constexpr QChar escape = u'%';

QString unpaidWord() { return QStringLiteral("nie"); }

bool mustEscape(QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7f || c == escape; }

QString escaped(const QString& field)
{
    QString out;
    for (const QChar c : field) {
        if (mustEscape(c))
            out += escape + QString::number(c.unicode(), 16).toUpper().rightJustified(2, u'0');
        else
            out += c;
    }
    return out;
}

// Empty when the field holds a raw control character or an escape this
// program does not write.
std::optional<QString> unescaped(QStringView field)
{
    if (std::none_of(field.begin(), field.end(), mustEscape))
        return field.toString();
    QString out;
    for (qsizetype i = 0; i < field.size(); ++i) {
        const QChar c = field[i];
        if (c != escape) {
            if (mustEscape(c))
                return std::nullopt;
            out += c;
            continue;
        }
        const QStringView hex = field.mid(i + 1, 2);
        bool ok = false;
        const ushort code = hex.size() == 2 ? hex.toUShort(&ok, 16) : 0;
        if (!ok || !mustEscape(QChar(code)) || hex != hex.toString().toUpper())
            return std::nullopt;
        out += QChar(code);
        i += 2;
    }
    return out;
}

// Exactly YYYY-MM-DD, as formatMarkLines writes it.
std::optional<QDate> paymentDate(QStringView text)
{
    if (text.size() != 10 || text[4] != u'-' || text[7] != u'-')
        return std::nullopt;
    const auto number = [&](qsizetype from, qsizetype length) {
        int value = 0;
        for (qsizetype i = from; i < from + length; ++i) {
            if (text[i] < u'0' || text[i] > u'9')
                return -1;
            value = value * 10 + (text[i].unicode() - u'0');
        }
        return value;
    };
    const int year = number(0, 4);
    const int month = number(5, 2);
    const int day = number(8, 2);
    const QDate date(year, month, day);
    if (year < 1 || month < 0 || day < 0 || !date.isValid())
        return std::nullopt;
    return date;
}

struct LineError {
    QString reason;
};

MarkLine parseLine(QStringView line)
{
    const QList<QStringView> fields = line.split(separator);
    if (fields.size() != 5)
        throw LineError{QStringLiteral("wpis powinien mieć pięć pól rozdzielonych tabulatorami")};
    std::array<QString, 4> key;
    const std::array<int, 4> widths = {doc::DocKind.maxChars, doc::DocNumber.maxChars, doc::NumberSuffix.maxChars,
                                       doc::IssueDate.maxChars};
    for (int i = 0; i < 4; ++i) {
        const std::optional<QString> field = unescaped(fields[i]);
        if (!field)
            throw LineError{QStringLiteral("pole %1 zawiera niedozwolony znak").arg(i + 1)};
        if (field->size() > widths[i])
            throw LineError{QStringLiteral("pole %1 jest dłuższe niż w pliku dokumentów").arg(i + 1)};
        key[i] = *field;
    }
    if (key[0] != u"F" && key[0] != u"K")
        throw LineError{QStringLiteral("rodzaj dokumentu powinien być „F” albo „K”")};
    MarkLine mark{{key[0], key[1], key[2], key[3]}, false, {}};
    if (fields[4] == unpaidWord())
        return mark;
    const std::optional<QDate> date = paymentDate(fields[4]);
    if (!date)
        throw LineError{QStringLiteral("zapłata powinna być datą RRRR-MM-DD albo słowem „nie”")};
    mark.paid = true;
    mark.date = *date;
    return mark;
}

QString lineError(const QString& path, qsizetype line, const QString& reason)
{
    return QStringLiteral("Plik zapłat %1 jest uszkodzony (wiersz %2): %3. Popraw ten wiersz albo usuń go.")
        .arg(path)
        .arg(line)
        .arg(reason);
}

} // namespace

QString paymentMarksHeading() { return QStringLiteral("Kwitarnia: zapłaty rachunków, wersja 1"); }

QList<MarkLine> parseMarkLines(const QString& path, const QByteArray& bytes)
{
    QList<MarkLine> marks;
    if (bytes.isEmpty())
        return marks;
    QList<QByteArrayView> lines;
    for (qsizetype start = 0; start <= bytes.size();) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        lines.append(QByteArrayView(bytes).sliced(start, end - start));
        start = end + 1;
    }
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();

    QStringDecoder decode(QStringDecoder::Utf8);
    const QString text = decode(bytes);
    if (decode.hasError()) {
        qsizetype wrong = 0;
        while (wrong + 1 < lines.size()) {
            QStringDecoder decodeLine(QStringDecoder::Utf8);
            (void)QString(decodeLine(lines[wrong]));
            if (decodeLine.hasError())
                break;
            ++wrong;
        }
        throw IoError(lineError(path, wrong + 1, QStringLiteral("to nie jest tekst UTF-8")));
    }

    // The bill each line marks, as the bytes before its last field.
    std::unordered_set<std::string_view> marked;
    marked.reserve(size_t(lines.size()));
    qsizetype at = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        qsizetype end = text.indexOf(u'\n', at);
        if (end < 0)
            end = text.size();
        const QStringView line = QStringView(text).sliced(at, end - at);
        at = end + 1;
        if (i == 0) {
            if (line != paymentMarksHeading())
                throw IoError(lineError(
                    path, 1, QStringLiteral("pierwszy wiersz powinien brzmieć „%1”").arg(paymentMarksHeading())));
            continue;
        }
        try {
            marks.append(parseLine(line));
            const QByteArrayView key = lines[i].first(qMax<qsizetype>(0, lines[i].lastIndexOf('\t')));
            if (!marked.insert(std::string_view(key.data(), size_t(key.size()))).second)
                throw LineError{QStringLiteral("ten rachunek ma już wpis we wcześniejszym wierszu")};
        } catch (const LineError& error) {
            throw IoError(lineError(path, i + 1, error.reason));
        }
    }
    return marks;
}

QByteArray formatMarkLines(const QList<MarkLine>& lines)
{
    QString text = paymentMarksHeading() + u'\n';
    for (const MarkLine& mark : lines) {
        for (const QString* field : {&mark.key.kind, &mark.key.number, &mark.key.suffix, &mark.key.issueDate})
            text += escaped(*field) + separator;
        text += (mark.paid ? mark.date.toString(Qt::ISODate) : unpaidWord()) + u'\n';
    }
    return text.toUtf8();
}

} // namespace kw
