#pragma once

#include "handoff/process_starter.h"
#include "handoff/sales_register_command.h"
#include "store/data_folder.h"
#include "store/file_ops.h"

#include <QString>

namespace kw {

// The notice shown when the folder holds no ewidencja.exe.
QString salesRegisterNotFoundNotice();

struct HandOffResult {
    enum Outcome { Started, NotFound, Refused, StartFailed };
    Outcome outcome = Started;
    QString notice; // for every outcome but Started, shown captioned "Informacja"
};

// "Wykonaj": stores `folder` in ewidencja.dat (before any check, so it is
// remembered even when nothing starts), then checks that the folder holds
// ewidencja.exe, builds the command line from `values` and starts the sales
// register in `folder` with the arguments Windows would split it into.
// Throws IoError when ewidencja.dat cannot be written; nothing starts then.
HandOffResult handOffToSalesRegister(FileOps& ops, const DataPaths& paths, const QString& folder,
                                     const HandOffValues& values, ProcessStarter& starter);

} // namespace kw
