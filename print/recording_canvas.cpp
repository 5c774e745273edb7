#include "print/recording_canvas.h"

#include "print/print_error.h"

namespace kw {

RecordingCanvas::RecordingCanvas(int dotsPerInchX, int dotsPerInchY)
    : dotsPerInchX_(dotsPerInchX), dotsPerInchY_(dotsPerInchY)
{}

CanvasCall& RecordingCanvas::record(CanvasCall::Kind kind)
{
    CanvasCall& call = calls_.emplace_back();
    call.kind = kind;
    call.font = font_;
    call.metrics = metrics_;
    return call;
}

void RecordingCanvas::failIfAsked(CanvasCall::Kind kind) const
{
    if (failAt_ == kind)
        throw PrintError(kind == CanvasCall::Kind::BeginJob
                             ? QStringLiteral("Nie można rozpocząć wydruku na drukarce testowej.")
                             : QStringLiteral("Wydruk na drukarce testowej nie powiódł się."));
}

void RecordingCanvas::SetFontColour(const QColor& colour) { record(CanvasCall::Kind::FontColour).colour = colour; }

void RecordingCanvas::SetPortrait() { record(CanvasCall::Kind::Portrait); }

void RecordingCanvas::BeginJob()
{
    failIfAsked(CanvasCall::Kind::BeginJob);
    record(CanvasCall::Kind::BeginJob);
}

void RecordingCanvas::PreparePageMetrics()
{
    metrics_ = PageMetrics::forResolution(dotsPerInchX_, dotsPerInchY_);
    record(CanvasCall::Kind::PageMetrics);
}

void RecordingCanvas::SetPrintFont(const QString& face, int points)
{
    font_.setFace(face);
    font_.height = metrics_.fontHeight(points);
    CanvasCall& call = record(CanvasCall::Kind::PrintFont);
    call.text = face;
    call.points = points;
}

void RecordingCanvas::SetBold(quint8 flag)
{
    font_.setStyleFlag(flag);
    record(CanvasCall::Kind::Bold).flag = flag;
}

void RecordingCanvas::DrawBox(int x, int y, int width, int height)
{
    CanvasCall& call = record(CanvasCall::Kind::Box);
    call.x = x;
    call.y = y;
    call.width = width;
    call.height = height;
    call.dots = metrics_.box(x, y, width, height);
}

void RecordingCanvas::DrawModules(int x, int y, int side, const ModuleSquare& modules)
{
    CanvasCall& call = record(CanvasCall::Kind::Modules);
    call.x = x;
    call.y = y;
    call.width = side;
    call.height = side;
    call.modules = modules;
    call.dots = placeModules(metrics_, x, y, side, modules.side).box;
}

void RecordingCanvas::PrintText(int x, int y, const QString& text)
{
    CanvasCall& call = record(CanvasCall::Kind::Text);
    call.x = x;
    call.y = y;
    call.text = text;
    call.dots = metrics_.box(x, y, 0, 0);
}

void RecordingCanvas::PrintTextClipped(int x, int y, const QString& text, int right)
{
    PrintText(x, y, text);
    calls_.back().clipRight = right;
}

int RecordingCanvas::TextWidth(const QString& text) { return metrics_.unitsCovering(font_.dotsAcross(text)); }

void RecordingCanvas::EndJob()
{
    failIfAsked(CanvasCall::Kind::EndJob);
    record(CanvasCall::Kind::EndJob);
}

QStringList RecordingCanvas::log(bool withDots) const
{
    QStringList lines;
    for (const CanvasCall& call : calls_)
        lines << describe(call, withDots);
    return lines;
}

QString describe(const CanvasCall& call, bool withDots)
{
    using Kind = CanvasCall::Kind;
    switch (call.kind) {
    case Kind::FontColour: return QStringLiteral("colour ") + call.colour.name();
    case Kind::Portrait: return QStringLiteral("portrait");
    case Kind::BeginJob: return QStringLiteral("begin");
    case Kind::PageMetrics:
        return QStringLiteral("metrics %1x%2 %3x%4")
            .arg(call.metrics.resolutionX())
            .arg(call.metrics.resolutionY())
            .arg(call.metrics.dotsPerUnitX())
            .arg(call.metrics.dotsPerUnitY());
    case Kind::PrintFont: {
        QString line = QStringLiteral("font %1 %2").arg(call.text).arg(call.points);
        if (withDots)
            line += QStringLiteral(" [%1]").arg(call.font.height);
        return line;
    }
    case Kind::Bold: return QStringLiteral("bold %1").arg(call.flag);
    case Kind::Box: {
        QString line = QStringLiteral("box %1,%2,%3,%4").arg(call.x).arg(call.y).arg(call.width).arg(call.height);
        if (withDots)
            line += QStringLiteral(" [%1,%2 %3,%4]")
                        .arg(call.dots.left)
                        .arg(call.dots.top)
                        .arg(call.dots.right)
                        .arg(call.dots.bottom);
        return line;
    }
    case Kind::Modules: {
        QString line =
            QStringLiteral("modules %1,%2,%3 %4x%4").arg(call.x).arg(call.y).arg(call.width).arg(call.modules.side);
        if (withDots)
            line += QStringLiteral(" [%1,%2 %3,%4]")
                        .arg(call.dots.left)
                        .arg(call.dots.top)
                        .arg(call.dots.right)
                        .arg(call.dots.bottom);
        return line;
    }
    case Kind::Text: {
        QString line = QStringLiteral("text %1,%2").arg(call.x).arg(call.y);
        if (call.clipRight != 0)
            line += QStringLiteral("..%1").arg(call.clipRight);
        if (withDots)
            line += QStringLiteral(" [%1,%2]").arg(call.dots.left).arg(call.dots.top);
        return line + QLatin1Char(' ') + call.text;
    }
    case Kind::EndJob: return QStringLiteral("end");
    }
    return {};
}

} // namespace kw
