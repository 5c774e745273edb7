#pragma once

// Builders for the window's panels and etched lines, shared by the parts of
// the main window's layout.
#include "app/widgets/bevels.h"
#include "app/widgets/control_factory.h"

#include <QLineEdit>

namespace kw {

inline const QColor documentColour{228, 241, 241};
inline const QColor listColour{245, 245, 245};
// Height of a one-line input field or combo box.
inline constexpr int editHeight = 23;

BevelPanel* panel(QWidget* parent, const char* name, const QRect& geometry, const QColor& fill, BevelPanel::Edge outer,
                  BevelPanel::Edge inner);

Bevel* bevel(QWidget* parent, const char* name, const QRect& geometry, Bevel::Shape shape);

// An input field: navy text, Arial 12 px unless another face is given.
template <class Edit = QLineEdit>
Edit* edit(QWidget* parent, const char* name, const QRect& geometry, const QFont& face = font("Arial", 12))
{
    auto* result = make<Edit>(parent, name, geometry);
    setTextStyle(result, face, navy);
    return result;
}

} // namespace kw
