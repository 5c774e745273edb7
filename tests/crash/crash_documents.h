#pragma once

#include "store/records.h"

#include <QString>

namespace kw::crash {

// The documents and settings the crash driver stores, each one made from its
// id alone, so the test can rebuild every byte it expects. Document 0 is the
// file's opening record.
DocumentRecord document(qint64 id);
SettingsRecord settings(qint64 id);
// The id a document was made from; -1 for bytes no document() gives.
qint64 idOf(QByteArrayView record);

} // namespace kw::crash
