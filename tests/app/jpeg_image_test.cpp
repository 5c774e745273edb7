#include "app/pictures/jpeg_image.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace kw;

namespace {

QByteArray pictureBytes(const char* name)
{
    QFile file(QStringLiteral(KW_PICTURES_DIR "/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

} // namespace

TEST(JpegImage, DecodesTheWindowPictures)
{
    const struct {
        const char* file;
        QSize size;
    } pictures[] = {
        {"image1.jpg", {105, 93}},
        {"image5.jpg", {105, 84}},
    };
    for (const auto& picture : pictures) {
        const QImage image = decodeJpeg(pictureBytes(picture.file));
        ASSERT_FALSE(image.isNull()) << picture.file;
        EXPECT_EQ(image.size(), picture.size) << picture.file;
        // Both pictures have a white top-left corner; a channel mix-up or a
        // shifted row would show here.
        EXPECT_GT(qGray(image.pixel(0, 0)), 240) << picture.file;
    }
}

TEST(JpegImage, BadBytesGiveANullImage)
{
    const QByteArray whole = pictureBytes("image1.jpg");
    ASSERT_GT(whole.size(), 400);
    QByteArray noise(2000, '\0');
    for (int i = 0; i < noise.size(); ++i)
        noise[i] = static_cast<char>((i * 7919 + 13) % 251);
    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"empty", QByteArray()},
        {"noise", noise},
        {"start marker only", QByteArray("\xFF\xD8", 2)},
        {"header only", whole.left(300)},
        {"cut in the middle", whole.left(whole.size() / 2)},
        {"PNG signature", QByteArray("\x89PNG\r\n\x1a\n", 8) + noise},
        {"start marker then noise", QByteArray("\xFF\xD8\xFF", 3) + noise},
    };
    for (const auto& bad : cases)
        EXPECT_TRUE(decodeJpeg(bad.bytes).isNull()) << bad.what;
}
