#include "editing/number_words.h"

#include <array>

namespace kw {
namespace {

constexpr std::array<QStringView, 10> unitsWords{u"",     u"jeden", u"dwa",    u"trzy",  u"cztery",
                                                 u"pięć", u"sześć", u"siedem", u"osiem", u"dziewięć"};

// The form a units word takes before "naście"; empty where the word is used whole.
constexpr std::array<QStringView, 10> teenStems{u"",     u"jede", u"", u"", u"czter",
                                                u"pięt", u"szes", u"", u"", u"dziewięt"};

constexpr std::array<QStringView, 10> tensWords{u"",
                                                u"",
                                                u"dwadzieścia ",
                                                u"trzydzieści ",
                                                u"czterdzieści ",
                                                u"pięćdziesiąt ",
                                                u"sześćdziesiąt ",
                                                u"siedemdziesiąt ",
                                                u"osiemdziesiąt ",
                                                u"dziewięćdziesiąt "};

constexpr std::array<QStringView, 10> hundredsWords{u"",           u"sto ",        u"dwieście ", u"trzysta ",
                                                    u"czterysta ", u"pięćset ",    u"sześćset ", u"siedemset ",
                                                    u"osiemset ",  u"dziewięćset "};

// Scale words keep a blank on both sides.
constexpr UnitWords billionWords{u" miliard ", u" miliardy ", u" miliardów "};
constexpr UnitWords millionWords{u" milion ", u" miliony ", u" milionów "};
constexpr UnitWords thousandWords{u" tysiąc ", u" tysiące ", u" tysięcy "};

// Appends the words of a three-digit group, 0 to 999; nothing for 0.
void appendGroupWords(QString& out, int group)
{
    const int units = group % 10;
    const int tens = group / 10 % 10;
    const int hundreds = group / 100;

    out += hundredsWords[hundreds];
    if (tens == 1) {
        if (units == 0) {
            out += u"dziesięć";
        } else {
            out += teenStems[units].isEmpty() ? unitsWords[units] : teenStems[units];
            out += u"naście";
        }
        return;
    }
    out += tensWords[tens];
    out += unitsWords[units];
}

void appendScaledGroup(QString& out, int group, const UnitWords& scale)
{
    if (group == 0)
        return;
    appendGroupWords(out, group);
    out += scale.forCount(group);
}

// Whole results that replace the ones the general rule would build.
QStringView specialWords(qint64 magnitude)
{
    switch (magnitude) {
    case 10: return u"dziesięć ";
    case 100: return u"sto ";
    case 1000: return u"tysiąc ";
    case 10000: return u"dziesięć tysięcy ";
    case 100000: return u"sto tysięcy ";
    default: return {};
    }
}

} // namespace

PluralForm pluralForm(qint64 count)
{
    // Unsigned arithmetic keeps the magnitude of the most negative value defined.
    const quint64 magnitude = count < 0 ? 0 - quint64(count) : quint64(count);
    if (magnitude == 1)
        return PluralForm::One;
    const quint64 lastTwo = magnitude % 100;
    const quint64 last = magnitude % 10;
    if (last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14))
        return PluralForm::Few;
    return PluralForm::Many;
}

QStringView UnitWords::forCount(qint64 count) const
{
    switch (pluralForm(count)) {
    case PluralForm::One: return one;
    case PluralForm::Few: return few;
    case PluralForm::Many: break;
    }
    return many;
}

QString numberInWords(qint32 number, QStringView unitWord)
{
    const qint64 magnitude = number < 0 ? -qint64(number) : qint64(number);

    QString out;
    out.reserve(160);
    if (const QStringView special = specialWords(magnitude); !special.isEmpty()) {
        out += special;
        out += unitWord;
        return out;
    }
    appendScaledGroup(out, int(magnitude / 1000000000), billionWords);
    appendScaledGroup(out, int(magnitude / 1000000 % 1000), millionWords);
    appendScaledGroup(out, int(magnitude / 1000 % 1000), thousandWords);
    appendGroupWords(out, int(magnitude % 1000));
    out += u' ';
    out += unitWord;
    return out;
}

} // namespace kw
