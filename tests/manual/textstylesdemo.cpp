// A manual check of how the grid draws its five text styles, for looking at them and taking
// screenshots: each style on the normal, swap and highlight backgrounds, at the master
// timetable's narrow column width and at a wide one. Not run by CTest.
#include "grid/gridview.h"
#include "model/cellmarks.h"
#include "model/grid.h"

#include <QApplication>
#include <array>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QFont font = app.font();
    font.setFamilies({QStringLiteral("Noto Sans CJK SC")});
    app.setFont(font);

    using orve::model::TextStyle;
    const std::array<std::pair<TextStyle, const char16_t*>, 5> styles = {{
        {TextStyle::Flat, u"平 (0)"},
        {TextStyle::Raised, u"凸起 (1)"},
        {TextStyle::Inset, u"凹陷 (2)"},
        {TextStyle::RaisedLight, u"浅凸 (3)"},
        {TextStyle::InsetLight, u"浅凹 (4)"},
    }};
    const std::array<orve::model::Colour, 4> backgrounds = {
        orve::model::StandardColour, orve::model::PickedColour, orve::model::SwappableColour,
        orve::model::HighlightColour};

    orve::model::Grid grid(int(styles.size()) + 1, 1 + 2 * int(backgrounds.size()), 1, 1);
    grid.setColumnWidth(0, 1200);
    grid.setAllRowHeights(1500);
    grid.setRowHeight(0, 400);
    for (int b = 0; b < int(backgrounds.size()); ++b) {
        grid.setColumnWidth(1 + b, 330); // as on the master timetable
        grid.setColumnWidth(1 + int(backgrounds.size()) + b, 1100);
    }
    for (int s = 0; s < int(styles.size()); ++s) {
        const int row = s + 1;
        grid.setText({row, 0}, QString::fromUtf16(styles[std::size_t(s)].second));
        for (int c = 1; c < grid.columnCount(); ++c) {
            grid.setText({row, c}, QStringLiteral(u"语文  王芳"));
            grid.setTextStyle({row, c}, styles[std::size_t(s)].first);
            grid.setBackColour({row, c},
                               backgrounds[std::size_t((c - 1) % int(backgrounds.size()))]);
        }
    }

    orve::ui::GridView view(grid);
    view.setWindowTitle(QStringLiteral(u"文字样式"));
    view.resize(760, 560);
    view.show();
    return app.exec();
}
