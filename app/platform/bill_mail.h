#pragma once

#include "print/bill_printout.h"
#include "store/file_ops.h"

#include <QString>

namespace kw {

// Sends a bill by e-mail the desktop's way: writes its PDF into a new
// temporary folder (left for the mail program to read) and starts the
// desktop's mail composer directly, without a shell:
//   xdg-email --subject "Rachunek 14/2009" --attach FILE [ADDRESS]
// Returns the PDF's path. Throws IoError with a Polish message when the
// address is not one, the PDF cannot be written, or xdg-email is missing or
// does not start.
// True for a plain address, local@domain, that a mailto: link carries as it
// is: no query ('?', '&'), no escapes ('%', '\'), no blanks or control
// characters.
bool isPlainMailAddress(const QString& address);

QString mailBill(FileOps& ops, const BillPrintout& bill, const QString& address);

} // namespace kw
