#include "documents/settings_fields.h"

#include "store/data_folder.h"
#include "store/document_lock.h"
#include "store/edited_file.h"
#include "store/field_check.h"
#include "store/record_layouts.h"

#include <algorithm>

namespace kw {

const QList<SettingsField>& sellerFields()
{
    static const QList<SettingsField> fields = {
        {company::SellerLine1, QStringLiteral("Sprzedawca, wiersz 1"),
         QStringLiteral("Pierwszy wiersz danych sprzedawcy (zwykle nazwa firmy); pokazany w oknie i drukowany.")},
        {company::SellerLine2, QStringLiteral("Sprzedawca, wiersz 2"),
         QStringLiteral("Drugi wiersz danych sprzedawcy (zwykle ulica); pokazany w oknie i drukowany.")},
        {company::SellerLine3, QStringLiteral("Sprzedawca, wiersz 3"),
         QStringLiteral("Trzeci wiersz danych sprzedawcy (zwykle kod i miejscowość); pokazany w oknie i drukowany.")},
        {company::SellerTaxId, QStringLiteral("NIP"), QStringLiteral("NIP sprzedawcy, drukowany po słowie „Nip”.")},
        {company::SellerBank, QStringLiteral("Bank"), QStringLiteral("Nazwa banku, drukowana po słowie „Bank”.")},
        {company::SellerAccount, QStringLiteral("Numer konta"),
         QStringLiteral("Numer rachunku bankowego (NRB, 26 cyfr), drukowany po słowie „Konto”.")},
    };
    return fields;
}

const QList<SettingsField>& numberingFields()
{
    static const QList<SettingsField> fields = {
        {settings::Place, QStringLiteral("Miejscowość"),
         QStringLiteral("Miejsce wystawienia proponowane dla nowego rachunku; zapisanie nowego dokumentu "
                        "zapamiętuje tu miejscowość z tego dokumentu.")},
        {settings::BillNumber, QStringLiteral("Numer rachunku"),
         QStringLiteral("Numer ostatnio zapisanego rachunku. Nowy rachunek dostaje ten numer + 1; "
                        "zapisanie nowego rachunku wpisuje tu jego numer.")},
        {settings::BillSuffix, QStringLiteral("Rozszerzenie numeru rachunku"),
         QStringLiteral("Tekst pisany po numerze rachunku i ukośniku, np. 2026 (numer 1/2026).")},
        {settings::CorrectionNumber, QStringLiteral("Numer korekty"),
         QStringLiteral("Numer ostatnio zapisanego rachunku korygującego. Nowa korekta dostaje ten numer + 1.")},
        {settings::CorrectionSuffix, QStringLiteral("Rozszerzenie numeru korekty"),
         QStringLiteral("Tekst pisany po numerze rachunku korygującego i ukośniku, np. 2026.")},
        {settings::CopyLabel, QStringLiteral("Oznaczenie egzemplarza"),
         QStringLiteral("Napis drukowany na rachunku, np. „Oryginał/Kopia”.")},
        {settings::CopyCount, QStringLiteral("Liczba egzemplarzy"),
         QStringLiteral("Ile razy przycisk „Drukuj” drukuje rachunek (liczba całkowita od 1 do 99)."),
         copyCountRefusal},
        {settings::PrintFootnote, QStringLiteral("Przypis na wydruku"),
         QStringLiteral("Tekst drukowany pod kwotą słownie.")},
        {settings::Signature, QStringLiteral("Wystawił"),
         QStringLiteral("Osoba wystawiająca proponowana dla nowego rachunku; zapisanie nowego dokumentu "
                        "zapamiętuje tu osobę z tego dokumentu.")},
    };
    return fields;
}

QString copyCountRefusal(const QString& caption, const QString& text)
{
    const QString digits = text.trimmed();
    const bool onlyDigits = !digits.isEmpty() && std::all_of(digits.begin(), digits.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
    const int count = onlyDigits ? digits.toInt() : 0;
    if (count >= 1 && count <= 99)
        return {};
    const QString rule = QStringLiteral("Pole „%1” przyjmuje tylko liczbę całkowitą od 1 do 99").arg(caption);
    if (digits.isEmpty())
        return rule + QStringLiteral(", a jest puste.");
    return rule + QStringLiteral(", a wpisano „%1”.").arg(text);
}

QStringList fieldTexts(const QList<SettingsField>& fields, const QByteArray& record)
{
    QStringList texts;
    for (const SettingsField& f : fields)
        texts.append(readString(record, f.field));
    return texts;
}

QString fieldsProblem(const QList<SettingsField>& fields, const QStringList& texts)
{
    for (qsizetype i = 0; i < fields.size(); ++i) {
        QString problem = storageProblem(fields[i].caption, fields[i].field, texts[i]);
        if (problem.isEmpty() && fields[i].refusal)
            problem = fields[i].refusal(fields[i].caption, texts[i]);
        if (!problem.isEmpty())
            return problem;
    }
    return {};
}

QByteArray withFieldTexts(QByteArray record, const QList<SettingsField>& fields, const QStringList& texts)
{
    for (qsizetype i = 0; i < fields.size(); ++i)
        writeChangedString(record, fields[i].field, texts[i]);
    return record;
}

void saveDataFile(EditedFile& file, const DataPaths& paths, const QByteArray& record)
{
    const DocumentLock lock(paths.documentFile());
    file.save(record);
}

} // namespace kw
