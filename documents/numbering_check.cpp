#include "documents/numbering_check.h"

#include "documents/numbering_series.h"
#include "editing/number_words.h"
#include "store/cp1250.h"

#include <algorithm>

#include <iterator>
#include <map>
#include <optional>

namespace kw {

namespace {

// How a series' lines name its documents: bills plainly, corrective bills
// as such.
struct SeriesWords {
    QString number;  // "numer"
    QString missing; // "numeru"
    QString missingMany;
    QString document; // "rachunek"
};

SeriesWords wordsFor(char kind)
{
    if (kind == 'K')
        return {QStringLiteral("numer rachunku korygującego"), QStringLiteral("numeru rachunku korygującego"),
                QStringLiteral("numerów rachunków korygujących"), QStringLiteral("rachunek korygujący")};
    return {QStringLiteral("numer"), QStringLiteral("numeru"), QStringLiteral("numerów"), QStringLiteral("rachunek")};
}

QString fullNumber(const QString& number, const QString& suffix)
{
    return suffix.isEmpty() ? number : number + QLatin1Char('/') + suffix;
}

// "dwa razy" ... "dziesięć razy", then in figures.
QString timesText(qsizetype count)
{
    static const char* const words[] = {"dwa",    "trzy",  "cztery",   "pięć",    "sześć",
                                        "siedem", "osiem", "dziewięć", "dziesięć"};
    if (count >= 2 && count < 2 + qsizetype(std::size(words)))
        return QString::fromUtf8(words[count - 2]) + QStringLiteral(" razy");
    return QStringLiteral("%1 razy").arg(count);
}

// "pozycja 5", "pozycje 9 i 12", "pozycje 9, 12 i 15".
QString positionsText(const std::vector<qint64>& positions)
{
    if (positions.size() == 1)
        return QStringLiteral("pozycja %1").arg(positions.front());
    QString text = QStringLiteral("pozycje %1").arg(positions.front());
    for (size_t i = 1; i + 1 < positions.size(); ++i)
        text += QStringLiteral(", %1").arg(positions[i]);
    return text + QStringLiteral(" i %1").arg(positions.back());
}

// 20260305 as "2026-03-05"; a check of a long file may write many.
QString dateText(qint32 date)
{
    char text[10];
    for (int i = 9; i >= 0; --i) {
        if (i == 4 || i == 7) {
            text[i] = '-';
            continue;
        }
        text[i] = char('0' + date % 10);
        date /= 10;
    }
    return QString::fromLatin1(text, 10);
}

// The documents of one number within a series.
struct NumberGroup {
    qint64 number = 0;
    std::vector<qint64> positions; // only when there are several
    qsizetype count = 0;
    qint32 earliest = 0; // 0 when none of them has a date
    qint64 earliestAt = 0;
    qint32 latest = 0;
    qint64 latestAt = 0;
};

class SeriesCheck
{
public:
    SeriesCheck(const NumberSeries& series, QStringList& lines)
        : series_(series), words_(wordsFor(series.kind)), suffix_(fromCp1250(series.suffix)), lines_(lines)
    {}

    void run()
    {
        const std::vector<IssuedNumber>& numbers = series_.numbers;
        for (size_t i = 0; i < numbers.size();) {
            if (!numbers[i].counted) {
                ++i;
                continue;
            }
            const size_t first = i;
            NumberGroup group;
            group.number = numbers[i].number;
            for (; i < numbers.size() && numbers[i].number == group.number; ++i)
                if (numbers[i].counted)
                    add(group, numbers[i]);
            if (group.count > 1)
                for (size_t j = first; j < i; ++j)
                    if (numbers[j].counted)
                        group.positions.push_back(numbers[j].position);
            check(group);
        }
        reportUnread();
    }

private:
    QString named(qint64 number) const { return fullNumber(QString::number(number), suffix_); }

    static void add(NumberGroup& group, const IssuedNumber& issued)
    {
        ++group.count;
        if (issued.issued == 0)
            return;
        if (group.earliest == 0 || issued.issued < group.earliest) {
            group.earliest = issued.issued;
            group.earliestAt = issued.position;
        }
        if (issued.issued > group.latest) {
            group.latest = issued.issued;
            group.latestAt = issued.position;
        }
    }

    void check(const NumberGroup& group)
    {
        if (previous_ && group.number > *previous_ + 1)
            reportGap(*previous_ + 1, group.number - 1);
        previous_ = group.number;
        // Each number against the nearest lower one with a date: the series
        // is in date order exactly when no such pair is out of it.
        if (group.earliest != 0 && lastDated_.latest != 0 && group.earliest < lastDated_.latest)
            lines_.append(QStringLiteral("%1 %2 (pozycja %3, %4) ma wcześniejszą datę wystawienia niż numer %5 "
                                         "(pozycja %6, %7)")
                              .arg(words_.number, named(group.number), QString::number(group.earliestAt),
                                   dateText(group.earliest), named(lastDated_.number),
                                   QString::number(lastDated_.latestAt), dateText(lastDated_.latest)));
        if (group.count > 1)
            lines_.append(
                QStringLiteral("%1 %2 %3: %4")
                    .arg(words_.number, named(group.number), timesText(group.count), positionsText(group.positions)));
        if (group.latest != 0)
            lastDated_ = {group.number, group.latest, group.latestAt};
    }

    void reportGap(qint64 first, qint64 last)
    {
        if (first == last)
            lines_.append(QStringLiteral("brak %1 %2").arg(words_.missing, named(first)));
        else
            lines_.append(QStringLiteral("brak %1 od %2 do %3").arg(words_.missingMany, named(first), named(last)));
    }

    // Each number once, with every position holding it, in the order of
    // their first positions.
    void reportUnread()
    {
        std::vector<std::pair<QByteArray, std::vector<qint64>>> numbers;
        std::map<QByteArray, size_t> index;
        for (const UnreadNumber& unread : series_.unread) {
            const auto [at, added] = index.try_emplace(unread.text, numbers.size());
            if (added)
                numbers.push_back({unread.text, {}});
            numbers[at->second].second.push_back(unread.position);
        }
        for (const auto& [text, positions] : numbers) {
            const QString number = fromCp1250(text);
            if (!number.trimmed().isEmpty())
                lines_.append(QStringLiteral("%1 „%2” nie jest liczbą: %3")
                                  .arg(words_.number, fullNumber(number, suffix_), positionsText(positions)));
            else if (suffix_.isEmpty())
                lines_.append(QStringLiteral("%1 bez numeru: %2").arg(words_.document, positionsText(positions)));
            else
                lines_.append(QStringLiteral("%1 bez numeru (rozszerzenie „%2”): %3")
                                  .arg(words_.document, suffix_, positionsText(positions)));
        }
    }

    const NumberSeries& series_;
    const SeriesWords words_;
    const QString suffix_;
    QStringList& lines_;
    std::optional<qint64> previous_;
    // The nearest lower number with a date, and its latest one.
    struct {
        qint64 number = 0;
        qint32 latest = 0;
        qint64 latestAt = 0;
    } lastDated_;
};

void reportMissingCorrected(const GatheredNumbers& gathered, QStringList& lines)
{
    for (const CorrectiveBill& correction : gathered.corrections) {
        if (!correction.corrected.isEmpty() && gathered.hasBill(correction.corrected))
            continue;
        const QString corrective = QStringLiteral("rachunek korygujący %1 (pozycja %2)")
                                       .arg(fullNumber(fromCp1250(correction.number), fromCp1250(correction.suffix)),
                                            QString::number(correction.position));
        if (correction.corrected.isEmpty())
            lines.append(corrective + QStringLiteral(" nie podaje numeru korygowanego rachunku"));
        else
            lines.append(corrective + QStringLiteral(" koryguje rachunek ") + fromCp1250(correction.corrected) +
                         QStringLiteral(", którego nie ma w pliku dokumentów"));
    }
}

} // namespace

QStringList numberingFindings(FileOps& ops, const QString& documentFile, const QString& year)
{
    const GatheredNumbers gathered = gatherNumbers(ops, documentFile, year);
    QStringList lines;
    for (const char kind : {'F', 'K'})
        for (const NumberSeries& series : gathered.series)
            if (series.kind == kind)
                SeriesCheck(series, lines).run();
    reportMissingCorrected(gathered, lines);
    return lines;
}

QString numberingWithoutFindings() { return QStringLiteral("Numeracja bez zastrzeżeń."); }

QString numberingNotice(const QStringList& findings, const QString& year, qsizetype shown)
{
    if (findings.isEmpty())
        return numberingWithoutFindings();
    QStringList lines = {QStringLiteral("Zastrzeżenia do numeracji dokumentów z roku %1:").arg(year)};
    lines += findings.first(std::min(shown, findings.size()));
    const qsizetype rest = findings.size() - (lines.size() - 1);
    if (rest > 0) {
        static constexpr UnitWords remarks{u"zastrzeżenie", u"zastrzeżenia", u"zastrzeżeń"};
        lines.append(QStringLiteral("… i jeszcze %1 %2; wypisze je wszystkie polecenie: kwitarnia check %3")
                         .arg(QString::number(rest), remarks.forCount(rest), year));
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace kw
