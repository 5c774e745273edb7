#include "print/line_table.h"

#include "print/canvas_font.h"
#include "print/page_metrics.h"

namespace kw {

namespace {

// Widths are measured as a 600 dpi printer would lay them out.
constexpr int measuringResolution = 600;

CanvasFont tableFont(const QString& face, int points, quint8 boldFlag, const PageMetrics& metrics)
{
    CanvasFont font;
    font.setFace(face);
    font.height = metrics.fontHeight(points);
    font.setStyleFlag(boldFlag);
    return font;
}

} // namespace

QStringList overflowingTableColumns(const PrintLettering& lettering)
{
    const PageMetrics metrics = PageMetrics::forResolution(measuringResolution, measuringResolution);
    const CanvasFont headingFont = tableFont(lettering.face, lettering.size, 1, metrics);
    const CanvasFont cellFont = tableFont(lineTableFace, lettering.size - 1, 0, metrics);
    QStringList overflowing;
    for (const LineTableColumn& column : lineTableColumns) {
        const int room = column.width - 1;
        if (metrics.unitsCovering(headingFont.dotsAcross(column.heading)) > room ||
            metrics.unitsCovering(cellFont.dotsAcross(column.usualText)) > room)
            overflowing << column.heading;
    }
    return overflowing;
}

QString tableFitWarning(const PrintLettering& lettering)
{
    const QStringList overflowing = overflowingTableColumns(lettering);
    if (overflowing.isEmpty())
        return {};
    return QStringLiteral("Tekst tabeli w tej czcionce jest szerszy niż kolumny (%1); część zostanie obcięta.")
        .arg(overflowing.join(QStringLiteral(", ")));
}

} // namespace kw
