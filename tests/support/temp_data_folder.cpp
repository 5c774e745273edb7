#include "tests/support/temp_data_folder.h"

#include <QDir>

#include <stdexcept>

namespace kw {

TempDataFolder::TempDataFolder()
{
    if (!dir_.isValid() || !QDir(path()).mkdir(QStringLiteral("Admini")) ||
        !QDir(path()).mkdir(QStringLiteral("Uslugi")))
        throw std::runtime_error("test cannot create a temporary data folder");
}

} // namespace kw
