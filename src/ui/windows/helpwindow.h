// The help document viewer: shows the HTML help that ships beside the program.
#pragma once

#include <QDialog>

class QTextBrowser;

namespace orve::ui {

class HelpWindow : public QDialog
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);
    // False when the document cannot be read.
    bool open(const QString& path);
    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

// Opens the help document, or tells the user that it is missing.
void showHelp(QWidget* parent, const QString& path);

} // namespace orve::ui
