#include "app/widgets/panel_factory.h"

namespace kw {

BevelPanel* panel(QWidget* parent, const char* name, const QRect& geometry, const QColor& fill, BevelPanel::Edge outer,
                  BevelPanel::Edge inner)
{
    auto* result = new BevelPanel(parent, fill, outer, inner);
    result->setObjectName(QString::fromLatin1(name));
    result->setGeometry(geometry);
    return result;
}

Bevel* bevel(QWidget* parent, const char* name, const QRect& geometry, Bevel::Shape shape)
{
    auto* result = new Bevel(parent, shape);
    result->setObjectName(QString::fromLatin1(name));
    result->setGeometry(geometry);
    return result;
}

} // namespace kw
