#include "app/cli/stored_printout.h"

#include "app/cli/cli_data_folder.h"
#include "store/data_files.h"

namespace kw {

PrintSources readPrintSources(FileOps& ops, const DataPaths& paths, const QString& startFolder)
{
    PrintSources sources;
    requireDataFile(paths.settingsFile());
    sources.settings = readSingleRecord<SettingsRecord>(ops, paths.settingsFile());
    requireDataFile(paths.sellerFile());
    sources.seller = readSingleRecord<CompanyRecord>(ops, paths.sellerFile());
    PrintFont font(ops);
    font.CzytajFonty(printFontFileName, startFolder);
    sources.lettering = font.lettering();
    sources.options = readModuleOptions(ops, paths.moduleOptionsFile());
    return sources;
}

BillPrintout storedPrintout(const DocumentRecord& document, const PrintSources& sources)
{
    BillPrintout bill;
    takeStoredDocument(bill, document);
    bill.copyLabel = sources.settings.get(settings::CopyLabel);
    bill.footnote = sources.settings.get(settings::PrintFootnote);
    bill.seller = sources.seller;
    bill.lettering = sources.lettering;
    bill.transferCode = sources.options.transferCode;
    return bill;
}

} // namespace kw
