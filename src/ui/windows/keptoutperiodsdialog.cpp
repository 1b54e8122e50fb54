#include "keptoutperiodsdialog.h"

#include "model/layouts.h"
#include "workspace.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace orve::ui {

namespace {

using conditions::DayPeriod;
using conditions::KeptOutSubject;

const QString KeptOutText = QStringLiteral(u"不排");
// Grey like a period nobody may use, dark enough to tell apart on any screen.
const QColor KeptOutBack(0x9e, 0x9e, 0x9e);

} // namespace

KeptOutPeriodsDialog::KeptOutPeriodsDialog(Workspace& ws, KeptOutSubject subject,
                                           QWidget* parent)
    : QDialog(parent), ws_(ws), subject_(subject), chooser_(new QComboBox(this)),
      periods_(new QTableWidget(this))
{
    const bool teachers = subject == KeptOutSubject::Teacher;
    const QString kind = teachers ? QStringLiteral(u"教师") : QStringLiteral(u"课程");
    setObjectName(teachers ? QStringLiteral("teacherKeptOutPeriods")
                           : QStringLiteral("courseKeptOutPeriods"));
    setWindowTitle(teachers ? QStringLiteral(u"设置某些教师不排时间")
                            : QStringLiteral(u"设置某些课程不排时间"));

    auto* chooserLabel = new QLabel(kind + QStringLiteral(u"(&N)："), this);
    chooserLabel->setBuddy(chooser_);
    chooser_->setAccessibleName(kind);
    chooser_->setMinimumContentsLength(12);
    auto* hint = new QLabel(QStringLiteral(u"单击某一节（或按空格键）在“不排”与可以排课之间切换；"
                                           u"单击星期或节次的标题，整天或整节一起切换。"),
                            this);
    hint->setWordWrap(true);
    periods_->setAccessibleName(teachers ? QStringLiteral(u"教师不排课时间")
                                         : QStringLiteral(u"课程不排课时间"));
    periods_->setAccessibleDescription(hint->text());
    periods_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    periods_->setSelectionMode(QAbstractItemView::NoSelection);
    periods_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    periods_->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    periods_->installEventFilter(this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);

    auto* chooserRow = new QHBoxLayout;
    chooserRow->addWidget(chooserLabel);
    chooserRow->addWidget(chooser_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(chooserRow);
    layout->addWidget(hint);
    layout->addWidget(periods_, 1);
    layout->addWidget(buttons);
    resize(560, 420);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(chooser_, &QComboBox::currentIndexChanged, this, &KeptOutPeriodsDialog::showPeriods);
    connect(periods_, &QTableWidget::cellClicked, this,
            [this](int row, int column) { toggle({{column + 1, row + 1}}); });
    connect(periods_->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { toggle(day(column)); });
    connect(periods_->verticalHeader(), &QHeaderView::sectionClicked, this,
            [this](int row) { toggle(period(row)); });
    connect(&ws_.notifier, &Notifier::conditionsChanged, this, &KeptOutPeriodsDialog::showPeriods);
    connect(&ws_.notifier, &Notifier::listsChanged, this, &KeptOutPeriodsDialog::fillChooser);
    connect(&ws_.notifier, &Notifier::weekChanged, this, &KeptOutPeriodsDialog::layOutWeek);
    connect(&ws_.notifier, &Notifier::schoolReplaced, this, [this] {
        fillChooser();
        layOutWeek();
    });
    fillChooser();
    layOutWeek();
}

void KeptOutPeriodsDialog::toggle(const std::vector<DayPeriod>& periods)
{
    const QString name = chooser_->currentText();
    const bool allOut = std::all_of(periods.begin(), periods.end(), [&](DayPeriod at) {
        return conditions::isKeptOut(ws_.school.rules, subject_, name, at);
    });
    conditions::setKeptOut(ws_, subject_, name, periods, !allOut);
}

bool KeptOutPeriodsDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == periods_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const QModelIndex current = periods_->currentIndex();
        if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) &&
            current.isValid()) {
            toggle({{current.column() + 1, current.row() + 1}});
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void KeptOutPeriodsDialog::fillChooser()
{
    const QString chosen = chooser_->currentText();
    const QSignalBlocker quiet(chooser_);
    chooser_->clear();
    chooser_->addItems(subject_ == KeptOutSubject::Teacher ? ws_.school.teachers
                                                           : ws_.school.courses);
    chooser_->setCurrentIndex(std::max(chooser_->findText(chosen), 0));
    showPeriods();
}

void KeptOutPeriodsDialog::layOutWeek()
{
    const int days = ws_.school.week.daysPerWeek();
    const int periodsPerDay = ws_.school.week.periodsPerDay();
    periods_->setColumnCount(std::max(days, 0));
    periods_->setRowCount(std::max(periodsPerDay, 0));
    QStringList dayNames;
    for (int d = 0; d < days; ++d)
        dayNames.append(model::masterDayName(d));
    QStringList periodNames;
    for (int p = 1; p <= periodsPerDay; ++p)
        periodNames.append(QStringLiteral(u"第%1节").arg(p));
    periods_->setHorizontalHeaderLabels(dayNames);
    periods_->setVerticalHeaderLabels(periodNames);
    showPeriods();
}

void KeptOutPeriodsDialog::showPeriods()
{
    const QString name = chooser_->currentText();
    periods_->setEnabled(!name.isEmpty());
    for (int row = 0; row < periods_->rowCount(); ++row)
        for (int column = 0; column < periods_->columnCount(); ++column) {
            const bool out =
                conditions::isKeptOut(ws_.school.rules, subject_, name, {column + 1, row + 1});
            QTableWidgetItem* item = periods_->item(row, column);
            if (!item) {
                item = new QTableWidgetItem;
                item->setTextAlignment(Qt::AlignCenter);
                periods_->setItem(row, column, item);
            }
            item->setText(out ? KeptOutText : QString());
            item->setBackground(out ? QBrush(KeptOutBack) : QBrush());
            item->setData(Qt::AccessibleTextRole,
                          QStringLiteral(u"%1第%2节：%3")
                              .arg(model::masterDayName(column))
                              .arg(row + 1)
                              .arg(out ? KeptOutText : QStringLiteral(u"可以排课")));
        }
}

std::vector<DayPeriod> KeptOutPeriodsDialog::day(int column) const
{
    std::vector<DayPeriod> periods;
    for (int row = 0; row < periods_->rowCount(); ++row)
        periods.push_back({column + 1, row + 1});
    return periods;
}

std::vector<DayPeriod> KeptOutPeriodsDialog::period(int row) const
{
    std::vector<DayPeriod> periods;
    for (int column = 0; column < periods_->columnCount(); ++column)
        periods.push_back({column + 1, row + 1});
    return periods;
}

} // namespace orve::ui
