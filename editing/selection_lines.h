#pragma once

#include "store/file_ops.h"
#include "store/records.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace kw {

// The lines of the selection list and, for each line, the client slot,
// service slot or document position it was built from.
struct SelectionLines {
    QStringList texts;
    QList<qint64> sources;
};

// "F 12/2009 Buyer": kind, number/extension and the buyer's first line.
QString billLine(const DocumentRecord& record);

// Every record of the document file, the first one included, in file order;
// read in large chunks through a buffer of its own while holding the
// DocumentLock.
SelectionLines billLines(FileOps& ops, const QString& documentFile);

// The clients in use (a non-empty first line), in slot order.
SelectionLines clientLines(const ClientListRecord& list);

// The services in use (a non-empty name), in slot order.
SelectionLines serviceLines(const ServiceListRecord& list);

// Index of the first line from the second on that holds `fragment`
// (case-sensitive, anywhere in the line), or -1. The first line is never
// searched and an empty fragment matches nothing.
int findLine(const QStringList& lines, const QString& fragment);

} // namespace kw
