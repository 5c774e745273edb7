#pragma once

#include "editing/money.h"

#include <QString>

#include <optional>

namespace kw {

struct BillPrintout;

// What a transfer paying a bill is made of, as the seller file and the bill
// hold it.
struct TransferOrder {
    QString sellerNip; // as typed: "525-000-11-22", "PL 5250001122" or blank
    QString account;   // as typed, blanks, hyphens and a leading "PL" allowed
    Money amount;
    QString recipient;
    QString title;
};

// The text of the transfer code Polish banks' apps read (the Polish Bank
// Association's recommendation): nine fields separated by "|": the NIP's ten
// digits or nothing, "PL", the account's 26 digits, the amount in grosze as
// six digits, the recipient (at most 20 characters), the title (at most 32)
// and three empty fields. Texts are written in plain ASCII: Polish letters
// lose their marks ("Zakład" becomes "Zaklad"), other characters a bank
// could not show are left out, "|" becomes a blank, so that every bank app
// reads the same name whatever character set it assumes. Nothing when the
// account is not a valid NRB, the NIP is neither blank nor valid, the
// amount is not between 0,01 and 9 999,99 zł, or the recipient is blank.
std::optional<QString> transferCodeLine(const TransferOrder& order);

// The transfer a printed bill asks for: a bill paid by "Przelew" (however
// capitalised), to the seller's account, its total, the seller's first line
// as the recipient and "Rachunek 7/2026" as the title. Nothing for any other
// payment form, and nothing for a corrective bill: the buyer may or may not
// have paid the corrected bill yet, so no single amount is sure to be due.
std::optional<TransferOrder> transferOrderFor(const BillPrintout& bill);

} // namespace kw
