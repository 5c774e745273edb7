#pragma once

#include <QGuiApplication>

#include <memory>

namespace kw {

// The Qt Gui application that printing needs (fonts, the PDF engine), on
// the offscreen platform so no display is needed, with the window's font
// substitutes. Lives as long as this object.
class OffscreenGui
{
public:
    OffscreenGui();
    ~OffscreenGui();
    OffscreenGui(const OffscreenGui&) = delete;
    OffscreenGui& operator=(const OffscreenGui&) = delete;

private:
    int argc_ = 1;
    char programName_[10] = "kwitarnia";
    char* argv_[2] = {programName_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};

} // namespace kw
