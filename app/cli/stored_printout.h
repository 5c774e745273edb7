#pragma once

#include "print/bill_printout.h"
#include "store/data_folder.h"
#include "store/file_ops.h"
#include "store/module_options.h"

namespace kw {

// What a printout takes from outside the document: the settings' copy label
// and footnote, the seller, the print font and the module's options.
struct PrintSources {
    SettingsRecord settings;
    CompanyRecord seller;
    PrintLettering lettering;
    ModuleOptions options;
};

// Reads the settings and seller files under the data folder and the print
// font under `startFolder`, as the window has them when it prints. Throws
// CommandLineError when the settings or seller file is missing (nothing is
// created) and IoError when a file cannot be read; a missing print-font
// file prints in the default lettering.
PrintSources readPrintSources(FileOps& ops, const DataPaths& paths, const QString& startFolder);

// The printout "Drukuj" makes of `document` right after it was loaded into
// the window: every head field from the record, the corrected bill's number
// for a corrective bill.
BillPrintout storedPrintout(const DocumentRecord& document, const PrintSources& sources);

} // namespace kw
