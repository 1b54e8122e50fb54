// frmSplash: the picture shown over the main window at start-up. It closes as soon as it loses
// the focus, or when it is clicked.
#pragma once

#include <QWidget>

namespace orve::ui {

class SplashWindow : public QWidget
{
    Q_OBJECT

public:
    explicit SplashWindow(QWidget* parent = nullptr);

    // Shows the splash centred over `window` and gives it the focus.
    void showOver(QWidget* window);

protected:
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool hadFocus_ = false;
};

} // namespace orve::ui
