#pragma once

// A whole number in Polish words, followed by the word of what it counts in
// the plural form the number asks for. amountWords() says a money amount with them.

#include <QString>
#include <QStringView>
#include <QtGlobal>

namespace kw {

// The three Polish forms a counted noun takes.
enum class PluralForm {
    One,  // exactly 1: "złoty"
    Few,  // last digit 2-4, but not 12-14: "złote"
    Many, // everything else, 0 included: "złotych"
};

// Chooses the form by the magnitude of `count`.
PluralForm pluralForm(qint64 count);

// A unit word in its three forms.
struct UnitWords {
    QStringView one;
    QStringView few;
    QStringView many;

    QStringView forCount(qint64 count) const;
};

inline constexpr UnitWords zlotyWords{u"złoty", u"złote", u"złotych"};
inline constexpr UnitWords groszWords{u"grosz", u"grosze", u"groszy"};

// Returns `number` in Polish words followed by `unitWord`, e.g. 21 gives
// "dwadzieścia jeden " + unitWord. The pieces keep their own blanks, so
// the text may hold two blanks in a row ("dwadzieścia  złotych").
// A negative number gives the words of its magnitude; 0 gives " " + unitWord.
QString numberInWords(qint32 number, QStringView unitWord);

} // namespace kw
