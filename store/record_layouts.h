#pragma once

// Byte layouts of every record file the module reads or writes. Each layout
// is described once; the static_asserts prove that the fields tile the record.

#include "store/record_field.h"

namespace kw {

// One bill or corrective bill in Uslugi/dokumenty_r.dat and in template files.
namespace doc {
constexpr int Size = 3251;
constexpr StringField Place{0, 40};
constexpr StringField IssueDate{41, 10};
constexpr StringField DocNumber{52, 10};
constexpr StringField NumberSuffix{63, 20};
constexpr StringField BuyerLine1{84, 80};
constexpr StringField BuyerLine2{165, 80};
constexpr StringField BuyerLine3{246, 80};
constexpr StringField BuyerLine4{327, 80};
constexpr StringField BuyerTaxId{408, 20};
constexpr StringField PaymentMethod{429, 15};
constexpr StringField ServiceDate{445, 10};
constexpr StringField PaymentTerm{456, 20};
constexpr StringField Signature{477, 40};

// The bill's and the correction's line tables: 6 columns of 3 cells.
constexpr int Columns = 6;
constexpr int Lines = 3;
constexpr int CellChars = 60;
constexpr int CellBytes = CellChars + 1; // with the length byte
constexpr int ColumnBytes = Lines * CellBytes;
constexpr int LineTableBytes = Columns * ColumnBytes;

constexpr int BillLines = 518;
constexpr int Reserved1 = 1616;
constexpr int ReservedBytes = 252;
constexpr int CorrectionLines = 1868;
constexpr int Reserved2 = 2966;
constexpr StringField DocKind{3218, 1};
constexpr StringField CorrectedRef{3220, 30};

// Cell (column 1..6, line 1..3) of the line table that starts at `table`;
// the table is stored column by column.
constexpr StringField cell(int table, int column, int line)
{
    return StringField{table + (column - 1) * ColumnBytes + (line - 1) * CellBytes, CellChars};
}

static_assert(Signature.end() == BillLines);
static_assert(BillLines + LineTableBytes == Reserved1);
static_assert(Reserved1 + ReservedBytes == CorrectionLines);
static_assert(CorrectionLines + LineTableBytes == Reserved2);
static_assert(Reserved2 + ReservedBytes == DocKind.offset);
static_assert(DocKind.end() == CorrectedRef.offset);
static_assert(CorrectedRef.end() == Size);
static_assert(cell(BillLines, 6, 3).end() == Reserved1);
static_assert(Place.end() == IssueDate.offset && IssueDate.end() == DocNumber.offset &&
              DocNumber.end() == NumberSuffix.offset && NumberSuffix.end() == BuyerLine1.offset &&
              BuyerLine1.end() == BuyerLine2.offset && BuyerLine2.end() == BuyerLine3.offset &&
              BuyerLine3.end() == BuyerLine4.offset && BuyerLine4.end() == BuyerTaxId.offset &&
              BuyerTaxId.end() == PaymentMethod.offset && PaymentMethod.end() == ServiceDate.offset &&
              ServiceDate.end() == PaymentTerm.offset && PaymentTerm.end() == Signature.offset);
} // namespace doc

// ADMINI/rachunek.dat: place, numbering and print settings.
namespace settings {
constexpr int Size = 272;
constexpr StringField Place{0, 40};
constexpr StringField BillNumber{41, 10};
constexpr StringField BillSuffix{52, 20};
constexpr StringField CorrectionNumber{73, 10};
constexpr StringField CorrectionSuffix{84, 20};
constexpr StringField CopyLabel{105, 40};
constexpr StringField Signature{146, 40};
constexpr StringField CopyCount{187, 3};
constexpr StringField PrintFootnote{191, 80};
static_assert(Place.end() == BillNumber.offset && BillNumber.end() == BillSuffix.offset &&
              BillSuffix.end() == CorrectionNumber.offset && CorrectionNumber.end() == CorrectionSuffix.offset &&
              CorrectionSuffix.end() == CopyLabel.offset && CopyLabel.end() == Signature.offset &&
              Signature.end() == CopyCount.offset && CopyCount.end() == PrintFootnote.offset &&
              PrintFootnote.end() == Size);
} // namespace settings

// ADMINI/firma.dat: the seller's identity, six strings of 50.
namespace company {
constexpr int Size = 306;
constexpr StringField SellerLine1{0, 50};
constexpr StringField SellerLine2{51, 50};
constexpr StringField SellerLine3{102, 50};
constexpr StringField SellerTaxId{153, 50};
constexpr StringField SellerBank{204, 50};
constexpr StringField SellerAccount{255, 50};
static_assert(SellerAccount.end() == Size);
} // namespace company

// Admini/siec.dat: where the data folder lies.
namespace location {
constexpr int Size = 403;
constexpr int FolderMode = 0; // one unsigned byte
constexpr StringField LocalPath{1, 200};
constexpr StringField NetworkPath{202, 200};
static_assert(LocalPath.end() == NetworkPath.offset && NetworkPath.end() == Size);
} // namespace location

// ADMINI/info.dat: kept by other programs of the suite; no field is read.
namespace info {
constexpr int Size = 66;
} // namespace info

// Client list files (klienci.dat, *.kli): parallel arrays over 5001 slots.
namespace clients {
constexpr int Slots = 5001;
constexpr int SlotNumber = 0;      // string[5]
constexpr int ClientLine1 = 30006; // string[80]
constexpr int ClientLine2 = 435087;
constexpr int ClientLine3 = 840168;
constexpr int ClientLine4 = 1245249;
constexpr int ClientTaxId = 1650330; // string[20]
constexpr int ClientReserved = 1755351;
constexpr int ReservedBytesPerSlot = 347;
constexpr int Size = 3490698;
constexpr StringField slotNumber(int k) { return element(SlotNumber, 5, k); }
constexpr StringField line(int n, int k)
{
    constexpr int arrays[] = {ClientLine1, ClientLine2, ClientLine3, ClientLine4};
    return element(arrays[n - 1], 80, k);
}
constexpr StringField taxId(int k) { return element(ClientTaxId, 20, k); }
static_assert(SlotNumber + Slots * 6 == ClientLine1);
static_assert(ClientLine1 + Slots * 81 == ClientLine2 && ClientLine2 + Slots * 81 == ClientLine3 &&
              ClientLine3 + Slots * 81 == ClientLine4 && ClientLine4 + Slots * 81 == ClientTaxId);
static_assert(ClientTaxId + Slots * 21 == ClientReserved);
static_assert(ClientReserved + Slots * ReservedBytesPerSlot == Size);
} // namespace clients

// Service list files (uslugi.dat, *.usl): parallel arrays over 201 slots.
namespace services {
constexpr int Slots = 201;
constexpr int SlotNumber = 0;       // string[3]
constexpr int ServiceName = 804;    // string[100]
constexpr int ServicePkwiu = 21105; // string[30]
constexpr int ServiceUnit = 27336;  // string[20]
constexpr int ServiceExtra = 31557; // string[5]
constexpr int ServicePrice = 32763; // string[20]
constexpr int Size = 36984;
constexpr StringField slotNumber(int k) { return element(SlotNumber, 3, k); }
constexpr StringField name(int k) { return element(ServiceName, 100, k); }
constexpr StringField pkwiu(int k) { return element(ServicePkwiu, 30, k); }
constexpr StringField unit(int k) { return element(ServiceUnit, 20, k); }
constexpr StringField extra(int k) { return element(ServiceExtra, 5, k); }
constexpr StringField price(int k) { return element(ServicePrice, 20, k); }
static_assert(SlotNumber + Slots * 4 == ServiceName && ServiceName + Slots * 101 == ServicePkwiu &&
              ServicePkwiu + Slots * 31 == ServiceUnit && ServiceUnit + Slots * 21 == ServiceExtra &&
              ServiceExtra + Slots * 6 == ServicePrice && ServicePrice + Slots * 21 == Size);
} // namespace services

// FONT/font_trelmo_2007.dat: the print font, one record.
// Little-endian: colour 0x00BBGGRR, face name, size in points, style bits.
namespace printfont {
constexpr int Size = 76;
constexpr int Colour = 0; // signed 32-bit
constexpr StringField Face{4, 60};
constexpr int PointSize = 68; // signed 32-bit
constexpr int Style = 72;     // bit 0 bold, 1 italic, 2 underline, 3 strike-out
static_assert(Face.end() + 3 == PointSize && Style + 4 == Size);
} // namespace printfont

// Admini/ewidencja.dat: the sales register's folder, one record.
namespace salesregister {
constexpr int Size = 251;
constexpr StringField Folder{0, 250};
static_assert(Folder.end() == Size);
} // namespace salesregister

} // namespace kw
