#include "app/platform/print_queue.h"

#include <QPrinter>

#include <cups/cups.h>

namespace kw {

namespace {

// A CUPS destination: "queue" or "queue/instance".
struct Destination {
    QByteArray name;
    QByteArray instance;
};

Destination destinationOf(const QPrinter& printer)
{
    const QString name = printer.printerName();
    const qsizetype slash = name.indexOf(QLatin1Char('/'));
    if (slash < 0)
        return {name.toLocal8Bit(), {}};
    return {name.left(slash).toLocal8Bit(), name.mid(slash + 1).toLocal8Bit()};
}

class CupsPrintQueue : public PrintQueue
{
public:
    QString refusal(const QPrinter& printer) override
    {
        if (printer.outputFormat() != QPrinter::NativeFormat)
            return {};
        const Destination destination = destinationOf(printer);
        cups_dest_t* dest =
            cupsGetNamedDest(CUPS_HTTP_DEFAULT, destination.name.constData(),
                             destination.instance.isEmpty() ? nullptr : destination.instance.constData());
        if (dest == nullptr)
            return {};
        const char* accepting = cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
        const bool refuses = accepting != nullptr && qstrcmp(accepting, "false") == 0;
        cupsFreeDests(1, dest);
        if (!refuses)
            return {};
        return QStringLiteral("Kolejka drukarki %1 nie przyjmuje zadań.").arg(printer.printerName());
    }

    // The print engine hands the job to CUPS as its last step and ignores the
    // answer; CUPS keeps it as the thread's last error.
    QString jobRefusal(const QPrinter& printer) override
    {
        if (printer.outputFormat() != QPrinter::NativeFormat || cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE)
            return {};
        return QStringLiteral("Kolejka drukarki %1 nie przyjęła zadania (%2).")
            .arg(printer.printerName(), QString::fromLocal8Bit(cupsLastErrorString()));
    }
};

} // namespace

PrintQueue& systemPrintQueue()
{
    static CupsPrintQueue queue;
    return queue;
}

} // namespace kw
