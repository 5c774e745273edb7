#include "print/print_job.h"

#include "print/print_error.h"

namespace kw {

namespace {

void printOneJob(PrintCanvas& canvas, const QColor& textColour, const std::function<void(PrintCanvas&)>& drawPage)
{
    canvas.SetFontColour(textColour);
    canvas.SetPortrait();
    canvas.BeginJob();
    canvas.PreparePageMetrics();
    drawPage(canvas);
    canvas.EndJob();
    canvas.SetPortrait();
}

} // namespace

void printCopies(int copies, const QColor& textColour, const CanvasFactory& canvasForCopy,
                 const std::function<void(PrintCanvas&)>& drawPage)
{
    for (int copy = 1; copy <= copies; ++copy) {
        try {
            const std::unique_ptr<PrintCanvas> canvas = canvasForCopy(copy);
            printOneJob(*canvas, textColour, drawPage);
        } catch (const PrintError& error) {
            QString message = copies == 1
                ? QStringLiteral("Rachunek nie został wydrukowany.")
                : QStringLiteral("Kopia %1 z %2 nie została wydrukowana.").arg(copy).arg(copies);
            if (copy < copies)
                message += QStringLiteral(" Pozostałych kopii nie drukowano.");
            throw PrintError(message + QLatin1Char('\n') + error.message());
        }
    }
}

} // namespace kw
