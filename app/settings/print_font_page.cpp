#include "app/settings/print_font_page.h"

#include "app/platform/platform.h"
#include "app/widgets/named_button.h"
#include "print/line_table.h"
#include "store/io_error.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace kw;

namespace {

// What the printout would letter with when the file gives no usable font.
FontChoice printedChoice(const PrintFontRecord& record)
{
    FontChoice choice = fontChoiceOf(record);
    if (choice.font.family().isEmpty())
        choice.font.setFamily(QString::fromLatin1(PrintFont::DefaultFace));
    if (record.int32At(printfont::PointSize) <= 0)
        choice.font.setPointSize(PrintFont::DefaultSize);
    return choice;
}

} // namespace

PrintFontPage::PrintFontPage(Dialogs& dialogs, FileOps& files, const QString& fontFile, QWidget* parent)
    : SettingsPage(parent), dialogs_(dialogs), file_(files, fontFile, PrintFontRecord::Size, true),
      choice_(printedChoice(PrintFontRecord::fromBytes(file_.record()))), storedChoice_(choice_)
{
    description_ = new QLabel(this);
    description_->setObjectName(QStringLiteral("opis"));
    sample_ = new QLabel(QStringLiteral("Rachunek nr 1/2026 — Zażółć gęślą jaźń 1234,56 PLN"), this);
    sample_->setObjectName(QStringLiteral("probka"));
    sample_->setMinimumHeight(60);
    tableWarning_ = new QLabel(this);
    tableWarning_->setObjectName(QStringLiteral("ostrzezenie"));
    tableWarning_->setWordWrap(true);
    QPushButton* font = namedButton(QStringLiteral("Wybierz &czcionkę…"), QStringLiteral("czcionka"), this);
    QPushButton* colour = namedButton(QStringLiteral("K&olor…"), QStringLiteral("kolor"), this);
    QPushButton* save = namedButton(QStringLiteral("&Zapisz"), QStringLiteral("zapisz"), this);
    connect(font, &QPushButton::clicked, this, &PrintFontPage::chooseFont);
    connect(colour, &QPushButton::clicked, this, &PrintFontPage::chooseColour);
    connect(save, &QPushButton::clicked, this, &PrintFontPage::saveFont);

    auto* choices = new QHBoxLayout;
    choices->addWidget(font);
    choices->addWidget(colour);
    choices->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(description_);
    layout->addLayout(choices);
    layout->addWidget(sample_);
    layout->addWidget(tableWarning_);
    layout->addStretch();
    layout->addWidget(save, 0, Qt::AlignRight);
    showChoice();
}

void PrintFontPage::showChoice()
{
    QStringList style;
    if (choice_.font.bold())
        style << QStringLiteral("pogrubiona");
    if (choice_.font.italic())
        style << QStringLiteral("kursywa");
    if (choice_.font.underline())
        style << QStringLiteral("podkreślona");
    if (choice_.font.strikeOut())
        style << QStringLiteral("przekreślona");
    description_->setText(
        QStringLiteral("Czcionka wydruku: %1, %2 pkt%3, kolor %4")
            .arg(choice_.font.family())
            .arg(qRound(choice_.font.pointSizeF()))
            .arg(style.isEmpty() ? QString() : QStringLiteral(", ") + style.join(QStringLiteral(", ")))
            .arg(choice_.colour.name()));
    sample_->setFont(choice_.font);
    sample_->setStyleSheet(QStringLiteral("color: %1").arg(choice_.colour.name()));
    const QString warning = tableFitWarning({choice_.font.family(), qRound(choice_.font.pointSizeF()), choice_.colour});
    tableWarning_->setText(warning);
    tableWarning_->setVisible(!warning.isEmpty());
}

bool PrintFontPage::isModified() const
{
    return choice_.font != storedChoice_.font || choice_.colour != storedChoice_.colour;
}

void PrintFontPage::discardChanges()
{
    choice_ = storedChoice_;
    showChoice();
}

void PrintFontPage::chooseFont()
{
    if (!dialogs_.chooseFont(this, choice_.font))
        return;
    showChoice();
    emit edited();
}

void PrintFontPage::chooseColour()
{
    if (!dialogs_.chooseColour(this, choice_.colour))
        return;
    showChoice();
    emit edited();
}

bool PrintFontPage::saveFont()
{
    try {
        // A new data folder has no FONT folder yet.
        QDir().mkpath(QFileInfo(file_.path()).absolutePath());
        file_.save(withFontChoice(PrintFontRecord::fromBytes(file_.record()), choice_).bytes());
    } catch (const IoError& error) {
        dialogs_.showError(this, error.message());
        return false;
    }
    storedChoice_ = choice_;
    emit saved();
    emit stored(QStringLiteral("Zapisano czcionkę wydruku."));
    return true;
}
