#include "app/pictures/pictures.h"

#include "app/pictures/jpeg_image.h"

#include <QFile>

// Outside any namespace: Q_INIT_RESOURCE declares the resource's registration
// function where it is used. The resources sit in a static library, whose
// automatic registration the linker may drop, hence the explicit call.
static void registerPictures()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(pictures);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace kw {

namespace {

QPixmap loadPicture(const QString& path)
{
    registerPictures();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QPixmap::fromImage(decodeJpeg(file.readAll()));
}

} // namespace

QPixmap commandColumnPicture() { return loadPicture(QStringLiteral(":/pictures/image1.jpg")); }

QPixmap handOffPicture() { return loadPicture(QStringLiteral(":/pictures/image5.jpg")); }

QIcon applicationIcon()
{
    registerPictures();
    return QIcon(QStringLiteral(":/icons/kwitarnia.svg"));
}

} // namespace kw
