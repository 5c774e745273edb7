#pragma once

#include <QString>
#include <QWidget>

namespace kw {

// A page of the settings window over one file: what the user changed on it
// and has not stored yet, and storing or dropping those changes.
class SettingsPage : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;

    // Whether the page shows changes its file does not hold yet.
    virtual bool isModified() const = 0;
    // Stores the page's changes; false, with the reason shown, when they
    // were not.
    virtual bool saveChanges() = 0;
    // Shows the file's contents again, dropping the changes.
    virtual void discardChanges() = 0;

signals:
    // Something was written into the page's file; `what` says what, in a
    // short Polish sentence.
    void stored(const QString& what);
    // The user changed something on the page.
    void edited();
};

} // namespace kw
