#include "app/settings/fields_page.h"

#include "app/platform/platform.h"
#include "app/widgets/named_button.h"
#include "store/io_error.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace kw;

FieldsPage::FieldsPage(Dialogs& dialogs, FileOps& files, const DataPaths& paths, const QString& file, int recordSize,
                       const QList<SettingsField>& fields, const QString& storedText, const QList<Check>& checks,
                       QWidget* parent)
    : SettingsPage(parent), dialogs_(dialogs), paths_(paths), file_(files, file, recordSize), fields_(fields),
      storedText_(storedText), checks_(checks)
{
    auto* form = new QFormLayout;
    for (qsizetype i = 0; i < fields_.size(); ++i) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("pole%1").arg(i + 1));
        edit->setToolTip(fields_[i].meaning);
        connect(edit, &QLineEdit::textEdited, this, &SettingsPage::edited);
        edits_.append(edit);
        auto* row = new QHBoxLayout;
        row->addWidget(edit, 1);
        auto* checkLabel = new QLabel(this);
        checkLabel->setObjectName(QStringLiteral("sprawdzenie%1").arg(i + 1));
        checkLabel->setStyleSheet(QStringLiteral("color: #b00000"));
        row->addWidget(checkLabel);
        checkLabels_.append(checkLabel);
        auto* caption = new QLabel(fields_[i].caption + QLatin1Char(':'), this);
        caption->setToolTip(fields_[i].meaning);
        form->addRow(caption, row);
    }
    for (const Check& check : checks_)
        connect(edits_[check.field], &QLineEdit::textChanged, this, [this, check] { showCheck(check); });
    showTexts(fieldTexts(fields_, file_.record()));
    save_ = namedButton(QStringLiteral("&Zapisz"), QStringLiteral("zapisz"), this);
    connect(save_, &QPushButton::clicked, this, &FieldsPage::saveFields);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch();
    layout->addWidget(save_, 0, Qt::AlignRight);
}

QStringList FieldsPage::typedTexts() const
{
    QStringList texts;
    for (const QLineEdit* edit : edits_)
        texts.append(edit->text());
    return texts;
}

void FieldsPage::showTexts(const QStringList& texts)
{
    for (qsizetype i = 0; i < edits_.size(); ++i)
        edits_[i]->setText(texts[i]);
    for (const Check& check : checks_)
        showCheck(check);
    shownTexts_ = typedTexts();
}

bool FieldsPage::isModified() const { return typedTexts() != shownTexts_; }

void FieldsPage::discardChanges() { showTexts(fieldTexts(fields_, file_.record())); }

void FieldsPage::reloadIfUntouched()
{
    if (isModified())
        return;
    try {
        file_.reload();
    } catch (const IoError&) {
        // The page keeps what it showed; a save reports the file's state.
        return;
    }
    showTexts(fieldTexts(fields_, file_.record()));
}

void FieldsPage::showCheck(const Check& check)
{
    const QString text = edits_[check.field]->text();
    checkLabels_[check.field]->setText(text.isEmpty() || check.valid(text) ? QString() : check.invalidText);
}

bool FieldsPage::checksConfirmed()
{
    for (const Check& check : checks_) {
        const QString text = edits_[check.field]->text();
        if (!text.isEmpty() && !check.valid(text) && !dialogs_.ask(this, check.question))
            return false;
    }
    return true;
}

bool FieldsPage::saveFields()
{
    const QStringList texts = typedTexts();
    const QString problem = fieldsProblem(fields_, texts);
    if (!problem.isEmpty()) {
        dialogs_.inform(this, problem + QStringLiteral(" Niczego nie zapisano."));
        return false;
    }
    if (!checksConfirmed())
        return false;
    try {
        const QByteArray record = withFieldTexts(file_.record(), fields_, texts);
        saveDataFile(file_, paths_, record);
        shownTexts_ = texts;
        emit saved(record);
        emit stored(storedText_);
        return true;
    } catch (const IoError& error) {
        dialogs_.showError(this, error.message());
        return false;
    }
}
