#pragma once

#include <QIODevice>
#include <QString>

#include <optional>

namespace kw {

// The Creator entry of a PDF file's document information dictionary: the
// dictionary the last trailer names, found through the cross-reference table
// at the file's end, as a reader finds it. Nothing when the file is no PDF,
// has no such entry, or is not laid out so (a file updated in place, a
// cross-reference stream): a file that cannot be read so is not taken for
// one of ours.
std::optional<QString> pdfCreator(QIODevice& file);

} // namespace kw
