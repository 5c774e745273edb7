#include "app/Tfont_f.h"

#include "app/platform/platform.h"
#include "store/io_error.h"

#include <QPushButton>

using namespace kw;

Tfont_f::Tfont_f(Dialogs& dialogs, FileOps& files, std::function<QString()> currentFolder, QWidget* parent)
    : QWidget(parent), dialogs_(dialogs), font_(files), currentFolder_(std::move(currentFolder))
{
    setWindowTitle(QStringLiteral("Fonty"));
    setFixedSize(240, 80);
    Button1 = new QPushButton(QStringLiteral("Czcionka wydruku..."), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(40, 24, 160, 28);
    connect(Button1, &QPushButton::clicked, this, &Tfont_f::Button1Click);
}

void Tfont_f::CzytajFonty(const QString& fileName) { font_.CzytajFonty(fileName, currentFolder_()); }

void Tfont_f::ZapiszFonty(const QString& fileName)
{
    const QString folder = currentFolder_();
    const std::optional<FontChoice> preset = font_.dialogPreset(fileName, folder);
    FontChoice choice{preset ? preset->font : QFont(), preset ? preset->colour : QColor(Qt::black)};
    if (!dialogs_.chooseFont(this, choice.font))
        return;
    font_.write(choice, fileName, folder);
}

void Tfont_f::Button1Click()
{
    try {
        ZapiszFonty(QStringLiteral("44.abc"));
    } catch (const IoError& error) {
        dialogs_.showError(this, error.message());
    }
}
