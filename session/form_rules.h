#pragma once

#include "documents/document_form.h"
#include "editing/bill_totals.h"

#include <QString>

#include <optional>

namespace kw {

// The rules that make the texts of a bill being typed what storing keeps.

// The payment term a bill must carry: a cash bill is paid on its issue
// date; any other payment form leaves the term to the user.
std::optional<QString> requiredPaymentTerm(const QString& paymentMethod, const QString& issueDate);
void keepCashTerm(DocumentHead& head);

// The totals of the form's three lines, and column 6 rewritten with each
// line total that is not zero.
BillTotals writeLineTotals(DocumentForm& form);

// Non-zero quantities and prices rewritten with two decimals, right-aligned,
// and the line totals following the figures stored, so that a reload, the
// printout and the summary show what was typed. A figure that rounds to 0.00
// is rewritten too: it is not zero.
void normaliseAmounts(DocumentForm& form);

} // namespace kw
