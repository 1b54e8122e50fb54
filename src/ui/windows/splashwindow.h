// The splash: the picture with the program's title shown over the main window at start-up. It
// stays centred on the window (which the window manager may still place or size after it
// appeared) and closes as soon as it loses the focus, or when it is clicked or a key pressed.
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
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void centre();

    QWidget* window_ = nullptr;
    bool hadFocus_ = false;
};

} // namespace orve::ui
