#include "documents/client_names.h"

#include "store/data_files.h"

namespace kw {

QStringList clientNames(const ClientListRecord& list)
{
    QStringList names;
    for (int slot = 1; slot <= clients::Slots; ++slot) {
        QString name = list.get(clients::line(1, slot));
        if (!name.isEmpty())
            names.append(std::move(name));
    }
    return names;
}

QStringList readClientNames(FileOps& ops, const QString& path)
{
    return clientNames(readSingleRecord<ClientListRecord>(ops, path));
}

} // namespace kw
