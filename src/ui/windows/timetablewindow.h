// The class and teacher timetable window "Orve智能排课系统--察看与调整课程表": the week of one
// class or one teacher as a table of days by periods, the list, the spin and its number field that
// choose which, the title line, a print button and 返回. Not modal: the main window stays usable,
// and both windows share the pick of a swap. The view follows the master timetable through the
// notifier; the rules are the core's (views/weekview.h).
#pragma once

#include "platform/oneatatime.h"
#include "views/weekview.h"

#include <QStringList>
#include <QWidget>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orve {
struct Workspace;
class UiPort;
} // namespace orve

namespace orve::ui {

class GridView;
class SpinButtons;

class TimetableWindow : public QWidget
{
    Q_OBJECT

public:
    // The window is a top-level window owned by `owner`.
    TimetableWindow(Workspace& ws, UiPort& ui, QWidget* owner);

    // The opening commands: shows the window (a window shown again loads afresh) and the
    // first class or teacher.
    void open(views::WeekViewKind kind);

    const views::WeekView& view() const { return view_; }
    QLabel* caption() const { return caption_; }
    QComboBox* entries() const { return entries_; }
    QLineEdit* number() const { return number_; }
    SpinButtons* spin() const { return stepper_; }
    GridView* grid() const { return grid_; }
    QPushButton* printButton() const { return print_; }

    // Up and Down move the window by 200 twips.
    static constexpr int MoveStepPixels = 13;

signals:
    // The print button: the one class or teacher shown.
    void printRequested(views::WeekViewKind kind, const QString& name);
    // Esc: the program is to end as closing the main window ends it.
    void closeProgramRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Shows the view's caption, entries and number in the controls.
    void showView();
    void showChangedEntry();
    // The master timetable or the lists changed: the view is rebuilt once events run.
    void follow(bool marksOnly);
    void step(int delta);
    // Esc, Up and Down; false for other keys.
    bool windowKey(int key);
    void release(int row, int column, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);

    Workspace& ws_;
    UiPort& ui_;
    views::WeekView view_;
    QLabel* caption_;
    QFrame* entryChooser_;
    QComboBox* entries_;
    QLineEdit* number_;
    SpinButtons* stepper_;
    GridView* grid_;
    QPushButton* print_;
    QPushButton* backButton_;
    QStringList listed_; // the entries of the list
    OneAtATime oneAtATime_;
    bool followPending_ = false;
};

} // namespace orve::ui
