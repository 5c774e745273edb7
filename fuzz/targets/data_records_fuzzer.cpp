// The small data files read from disk: settings, seller, location, info,
// print font and the sales register's folder. The first byte picks the file.

#include "app/cli/cli_data_folder.h"
#include "fuzz/fuzz_folder.h"
#include "fuzz/fuzz_input.h"
#include "handoff/sales_register_folder.h"
#include "print/print_font.h"
#include "store/data_files.h"
#include "store/io_error.h"
#include "store/records.h"

#include <cstdint>

using namespace kw;

namespace {

template <class R>
void readEveryField(const QString& path, std::initializer_list<StringField> fields)
{
    const R record = readSingleRecord<R>(systemFileOps(), path);
    for (const StringField field : fields)
        record.get(field);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::FuzzInput input(data, size);
    const quint8 file = input.byte() % 6;
    const fuzz::FuzzFolder& folder = fuzz::FuzzFolder::instance();
    const DataPaths paths = folder.paths();
    const QByteArray bytes = input.rest();
    try {
        switch (file) {
        case 0:
            folder.write(paths.settingsFile(), bytes);
            readEveryField<SettingsRecord>(paths.settingsFile(),
                                           {settings::Place, settings::BillNumber, settings::BillSuffix,
                                            settings::CorrectionNumber, settings::CorrectionSuffix, settings::CopyLabel,
                                            settings::Signature, settings::CopyCount, settings::PrintFootnote});
            break;
        case 1:
            folder.write(paths.sellerFile(), bytes);
            readEveryField<CompanyRecord>(paths.sellerFile(),
                                          {company::SellerLine1, company::SellerLine2, company::SellerLine3,
                                           company::SellerTaxId, company::SellerBank, company::SellerAccount});
            break;
        case 2:
            folder.write(DataPaths::locationFile(folder.path()), bytes);
            dataPathsFor(systemFileOps(), folder.path());
            break;
        case 3:
            folder.write(paths.infoFile(), bytes);
            readSingleRecord<InfoRecord>(systemFileOps(), paths.infoFile());
            break;
        case 4: {
            folder.write(folder.path() + QStringLiteral("/FONT/") + printFontFileName, bytes);
            PrintFont font(systemFileOps());
            font.CzytajFonty(printFontFileName, folder.path());
            const PrintLettering lettering = font.lettering();
            if (lettering.size < PrintFont::MinSize || lettering.size > PrintFont::MaxSize)
                std::abort();
            break;
        }
        default:
            folder.write(paths.salesRegisterFile(), bytes);
            readSalesRegisterFolder(systemFileOps(), paths);
            break;
        }
    } catch (const IoError&) {
        // A file shorter than its record is refused.
    }
    return 0;
}
