#include "app/cli/cli_commands.h"

#include "app/cli/cli_data_folder.h"
#include "app/cli/cli_output.h"
#include "documents/settings_fields.h"
#include "store/data_files.h"
#include "store/records.h"

namespace kw {

namespace {

template <class R>
void printFields(FileOps& ops, const QString& path, const QList<SettingsField>& fields)
{
    requireDataFile(path);
    const R record = readSingleRecord<R>(ops, path);
    const QStringList texts = fieldTexts(fields, record.bytes());
    for (qsizetype i = 0; i < fields.size(); ++i)
        printLine(QStringLiteral("%1: %2").arg(fields[i].caption, texts[i]));
}

} // namespace

void printSettings(FileOps& ops, const DataPaths& paths)
{
    printFields<CompanyRecord>(ops, paths.sellerFile(), sellerFields());
    printFields<SettingsRecord>(ops, paths.settingsFile(), numberingFields());
}

} // namespace kw
