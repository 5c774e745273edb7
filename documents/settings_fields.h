#pragma once

#include "store/record_field.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace kw {

class DataPaths;
class EditedFile;

// A field of the seller or settings file as the settings window shows it:
// its caption, what the module does with it and, for a field that takes
// only some texts, why it refuses `text` (a sentence naming the field by
// `caption`; empty for a text it takes).
struct SettingsField {
    StringField field;
    QString caption;
    QString meaning;
    QString (*refusal)(const QString& caption, const QString& text) = nullptr;
};

// The seller file's six fields, in file order.
const QList<SettingsField>& sellerFields();
// The settings file's nine fields, in the order the window shows them.
const QList<SettingsField>& numberingFields();

// Why `text` is no number of copies the settings take: only a whole number
// from 1 to 99 is. Empty when it is one.
QString copyCountRefusal(const QString& caption, const QString& text);

// The texts of `fields` in `record`.
QStringList fieldTexts(const QList<SettingsField>& fields, const QByteArray& record);

// Why `texts` (one per field) cannot be stored; empty when they can.
QString fieldsProblem(const QList<SettingsField>& fields, const QStringList& texts);

// `record` with the fields whose text differs set to `texts`; every other
// byte as it was.
QByteArray withFieldTexts(QByteArray record, const QList<SettingsField>& fields, const QStringList& texts);

// Saves `record` into a data file of the folder `paths` under the lock the
// module's other writers take, so two instances never write at once.
// Throws IoError like EditedFile::save, or when the lock is kept elsewhere.
void saveDataFile(EditedFile& file, const DataPaths& paths, const QByteArray& record);

} // namespace kw
