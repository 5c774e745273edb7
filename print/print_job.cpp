#include "print/print_job.h"

#include "print/print_error.h"

namespace kw {

namespace {

void printOneJob(PrintCanvas& canvas, int copy, const QColor& textColour, const PageDrawer& drawPage)
{
    canvas.SetFontColour(textColour);
    canvas.SetPortrait();
    canvas.BeginJob();
    canvas.PreparePageMetrics();
    drawPage(canvas, copy);
    canvas.EndJob();
    canvas.SetPortrait();
}

} // namespace

void printCopies(int copies, const QColor& textColour, const CanvasFactory& canvasForCopy, const PageDrawer& drawPage)
{
    for (int copy = 1; copy <= copies; ++copy) {
        try {
            const std::unique_ptr<PrintCanvas> canvas = canvasForCopy(copy);
            printOneJob(*canvas, copy, textColour, drawPage);
        } catch (const PrintError& error) {
            // When the first job fails, no copy at all is on paper.
            QString message = QStringLiteral("Rachunek nie został wydrukowany.");
            if (copy > 1) {
                message = QStringLiteral("Kopia %1 z %2 nie została wydrukowana.").arg(copy).arg(copies);
                if (copy < copies)
                    message += QStringLiteral(" Pozostałych kopii nie drukowano.");
            }
            throw PrintError(message + QLatin1Char('\n') + error.message());
        }
    }
}

} // namespace kw
