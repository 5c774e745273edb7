#pragma once

#include "store/records.h"

#include <QString>

#include <array>

namespace kw {

// The head of a bill: the texts above its line table, one for each head
// field of a document record (the window's control names in the comments).
// The window, the stored record, the printout and a template all carry it.
struct DocumentHead {
    QString place;                     // miejscowosc
    QString issueDate;                 // data_wystawienia
    QString number;                    // numerator
    QString numberSuffix;              // rozszerzenie
    std::array<QString, 4> buyerLines; // odbiorca1 to odbiorca4
    QString buyerTaxId;                // nip_odbiorcy
    QString paymentMethod;             // forma_zaplaty, as shown (picked or typed)
    QString paymentTerm;               // termin_zaplaty, as shown
    QString serviceDate;               // data_uslugi
    QString signature;                 // podpis

    friend bool operator==(const DocumentHead&, const DocumentHead&) = default;
};

// Returns the head as `document` stores it.
DocumentHead readHead(const DocumentRecord& document);

// Writes every head field of `document`, each text cut to its field; the
// rest of the record is left as it was.
void writeHead(DocumentRecord& document, const DocumentHead& head);

} // namespace kw
