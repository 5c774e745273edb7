#pragma once

#include <QString>

#include <array>

namespace kw {

// The texts of the document area as the window shows them (control names in
// the comments).
struct DocumentForm {
    QString place;                       // miejscowosc
    QString issueDate;                   // data_wystawienia
    QString number;                      // numerator
    QString numberSuffix;                // rozszerzenie
    std::array<QString, 4> buyerLines;   // odbiorca1 .. odbiorca4
    QString buyerTaxId;                  // nip_odbiorcy
    QString paymentMethod;               // forma_zaplaty, as shown (picked or typed)
    QString paymentTerm;                 // termin_zaplaty, as shown
    QString serviceDate;                 // data_uslugi
    QString signature;                   // podpis
    // The line table `tabela`: cells[column - 1][line - 1], columns 1..6, lines 1..3.
    std::array<std::array<QString, 3>, 6> cells;

    friend bool operator==(const DocumentForm&, const DocumentForm&) = default;
};

} // namespace kw
