#include "app/widgets/designed_palette.h"

namespace kw {

namespace {

struct RoleColours {
    QPalette::ColorRole role;
    QRgb enabled; // active and inactive
    QRgb disabled;
};

// A light classic scheme (Qt's Fusion colours) on the window's grey.
const RoleColours designed[] = {
    {QPalette::Window, 0xeaeaea, 0xeaeaea},      {QPalette::WindowText, 0x000000, 0xbebebe},
    {QPalette::Base, 0xffffff, 0xefefef},        {QPalette::AlternateBase, 0xf7f7f7, 0xf7f7f7},
    {QPalette::Text, 0x000000, 0xbebebe},        {QPalette::PlaceholderText, 0x80000000, 0x80000000},
    {QPalette::Button, 0xefefef, 0xefefef},      {QPalette::ButtonText, 0x000000, 0xbebebe},
    {QPalette::BrightText, 0xffffff, 0xffffff},  {QPalette::Light, 0xffffff, 0xffffff},
    {QPalette::Midlight, 0xcacaca, 0xcacaca},    {QPalette::Mid, 0xb8b8b8, 0xb8b8b8},
    {QPalette::Dark, 0x9f9f9f, 0xbebebe},        {QPalette::Shadow, 0x767676, 0xb1b1b1},
    {QPalette::Highlight, 0x308cc6, 0x919191},   {QPalette::HighlightedText, 0xffffff, 0xffffff},
    {QPalette::Link, 0x0000ff, 0x0000ff},        {QPalette::LinkVisited, 0xff00ff, 0xff00ff},
    {QPalette::ToolTipBase, 0xffffdc, 0xffffdc}, {QPalette::ToolTipText, 0x000000, 0x000000},
};

QColor colour(QRgb rgb)
{
    // Only the placeholder text is translucent; the table writes it with an alpha byte.
    return qAlpha(rgb) ? QColor::fromRgba(rgb) : QColor::fromRgb(rgb);
}

} // namespace

QPalette designedPalette()
{
    QPalette result;
    for (const RoleColours& entry : designed) {
        result.setColor(QPalette::Active, entry.role, colour(entry.enabled));
        result.setColor(QPalette::Inactive, entry.role, colour(entry.enabled));
        result.setColor(QPalette::Disabled, entry.role, colour(entry.disabled));
    }
    return result;
}

} // namespace kw
