#pragma once

#include <QToolButton>

namespace kw {

// A flat command button that draws its caption with its small picture to the
// right, the two centred together on the button.
class CommandButton : public QToolButton
{
    Q_OBJECT
public:
    explicit CommandButton(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace kw
