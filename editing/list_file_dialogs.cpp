#include "editing/list_file_dialogs.h"

namespace kw {

ListFileDialog clientListDialog()
{
    return {QStringLiteral("Lista klientów|klienci.dat *.kli"), QStringLiteral("Uslugi"),
            QStringLiteral("klienci.dat")};
}

ListFileDialog serviceListDialog()
{
    return {QStringLiteral("Lista usług|uslugi.dat *.usl"), QStringLiteral("Uslugi"), QStringLiteral("uslugi.dat")};
}

} // namespace kw
