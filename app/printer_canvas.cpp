#include "printer_canvas.h"

#include "print_error.h"

#include <QFontMetrics>
#include <QPageLayout>
#include <QPrinter>

PrinterCanvas::PrinterCanvas(QPrinter& printer) : printer_(printer)
{
    if (printer_.outputFormat() == QPrinter::PdfFormat)
        printer_.setFullPage(true);
}

PrinterCanvas::~PrinterCanvas()
{
    if (painter_.isActive()) {
        printer_.abort();
        painter_.end();
    }
}

QString PrinterCanvas::printerName() const
{
    if (printer_.outputFormat() == QPrinter::PdfFormat)
        return printer_.outputFileName();
    return printer_.printerName();
}

void PrinterCanvas::SetFontColour(const QColor& colour)
{
    textColour_ = colour;
}

void PrinterCanvas::SetPortrait()
{
    printer_.setPageOrientation(QPageLayout::Portrait);
}

void PrinterCanvas::BeginJob()
{
    if (!painter_.begin(&printer_))
        throw kw::PrintError(QStringLiteral("Nie można rozpocząć wydruku na drukarce %1.").arg(printerName()));
    painter_.setPen(QPen(Qt::black, 1));
    painter_.setBrush(Qt::white);
}

void PrinterCanvas::PreparePageMetrics()
{
    metrics_ = kw::PageMetrics::forResolution(printer_.logicalDpiX(), printer_.logicalDpiY());
}

void PrinterCanvas::applyFont()
{
    QFont font = painter_.font();
    if (!font_.face.isEmpty())
        font.setFamily(font_.face);
    // Qt's pixel size is the character height without internal leading,
    // what a negative height asks for; a positive one is taken as the same
    // size, and 0 keeps the size the font had.
    if (font_.height != 0)
        font.setPixelSize(qAbs(font_.height));
    font.setBold(font_.bold);
    font.setItalic(font_.italic);
    font.setUnderline(font_.underline);
    font.setStrikeOut(font_.strikeOut);
    painter_.setFont(font);
}

void PrinterCanvas::SetPrintFont(const QString& face, int points)
{
    font_.setFace(face);
    font_.height = metrics_.fontHeight(points);
    applyFont();
}

void PrinterCanvas::SetBold(quint8 flag)
{
    font_.setStyleFlag(flag);
    applyFont();
}

void PrinterCanvas::DrawBox(int x, int y, int width, int height)
{
    const kw::DotBox box = metrics_.box(x, y, width, height);
    painter_.setPen(QPen(Qt::black, 1));
    painter_.setBrush(Qt::white);
    painter_.drawRect(QRect(QPoint(box.left, box.top), QPoint(box.right - 1, box.bottom - 1)));
}

void PrinterCanvas::PrintText(int x, int y, const QString& text)
{
    const QFontMetrics fm(painter_.font(), painter_.device());
    const QPoint topLeft(metrics_.xDots(x), metrics_.yDots(y));
    painter_.fillRect(QRect(topLeft, QSize(fm.horizontalAdvance(text), fm.height())), Qt::white);
    painter_.setPen(textColour_);
    painter_.drawText(topLeft + QPoint(0, fm.ascent()), text);
}

void PrinterCanvas::EndJob()
{
    const bool ended = painter_.end();
    if (!ended || printer_.printerState() == QPrinter::Error || printer_.printerState() == QPrinter::Aborted)
        throw kw::PrintError(QStringLiteral("Wydruk na drukarce %1 nie powiódł się.").arg(printerName()));
}
