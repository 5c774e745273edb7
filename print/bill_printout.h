#pragma once

#include "print/print_canvas.h"
#include "print/print_font.h"
#include "print/print_job.h"
#include "store/document_head.h"
#include "store/records.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

namespace kw {

// Everything a printed bill shows. The head holds the window's texts at the
// moment of printing, edits not yet saved included; the kind, the line
// tables and so every amount come from the document as last loaded or
// saved, so grid edits that were not saved do not reach the paper.
struct BillPrintout {
    DocumentHead head;
    QString copyLabel;    // Label13: the settings' copy label
    QString footnote;     // Label14: the settings' print footnote
    QString correctedRef; // Label24: the corrected bill's number

    DocumentRecord document;  // the working record: DocKind, BillLines, CorrectionLines
    CompanyRecord seller;     // the seller file as read at start-up
    PrintLettering lettering; // face N, size S and colour of the print font

    // Set when the bill is printed again as a duplicate: the day the
    // duplicate is issued, shown with "DUPLIKAT" in the head of every copy.
    std::optional<QDate> duplicateIssued;

    // The module's option: the payment QR code on bills that can carry one.
    bool transferCode = false;
};

// Puts the head, the kind, the line tables and the corrected bill's number
// of a stored `document` into `bill`, exactly as they were stored.
void takeStoredDocument(BillPrintout& bill, const DocumentRecord& document);

// Where a bill's payment QR code stands, quiet zone included: bottom left,
// above the closing rule, beside the signature block, where neither kind of
// bill prints anything. In 24 units any code a bill gives (at most 45
// modules) is 18 mm or more across, in whole dots per module, on printers of
// 150 dpi and above.
inline constexpr int transferCodeX = 10;
inline constexpr int transferCodeY = 232;
inline constexpr int transferCodeSide = 24;

// Draws the one page of a bill or, for a document of kind "K", of a
// corrective bill: the common head, the body of its kind, the common foot,
// and the payment QR code where the bill asks for a transfer it can carry.
void drawBillPage(PrintCanvas& canvas, const BillPrintout& bill);

// Prints one page per copy label, one print job each, in the lettering's
// colour; each page carries its label in place of the bill's. Throws
// PrintError at the first job that fails; see printCopies.
void printBill(const BillPrintout& bill, const QStringList& copyLabels, const CanvasFactory& canvasForCopy);

// Prints `copies` identical pages, as above.
void printBill(const BillPrintout& bill, int copies, const CanvasFactory& canvasForCopy);

} // namespace kw
