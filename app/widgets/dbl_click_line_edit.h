#pragma once

#include <QLineEdit>

namespace kw {

// A one-line edit box that reports a double-click with the mouse, which
// QLineEdit only uses for selecting a word.
class DblClickLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit DblClickLineEdit(QWidget* parent = nullptr);

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

} // namespace kw
