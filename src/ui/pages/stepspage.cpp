#include "stepspage.h"

#include "widgets/accessiblenames.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

namespace orve::ui {

QString StepsPage::stepsText()
{
    const QStringList steps = {
        QStringLiteral(u"1、设置一天开课节数（分上，下午）及学校主副课。"),
        QStringLiteral(u"2、输入全校班级、课程、任课教师等名单。"),
        QStringLiteral(u"3、设置教学计划表（包括主副课，任课教师，开课节数，合班课等）。"),
        QStringLiteral(u"4、设置合班课组合。"),
        QStringLiteral(u"5、班级固定课程预排。"),
        QStringLiteral(u"6、自动排课。"),
        QStringLiteral(u"7、查看调整总课表。"),
        QStringLiteral(u"8、查看调整班级课表和教师任课表。"),
        QStringLiteral(u"9、打印各班课表、各教师任课表和全校课程总表。"),
    };
    return steps.join(QStringLiteral("\n\n"));
}

StepsPage::StepsPage(QWidget* parent)
    : QWidget(parent), moreInformation_(new QPushButton(QStringLiteral(u"更多信息"), this))
{
    auto* heading = new QLabel(QStringLiteral(u"为了快速使用本系统,请阅读下面的排课步骤:"), this);
    QFont headingFont = heading->font();
    headingFont.setPointSize(headingFont.pointSize() + 3);
    headingFont.setBold(true);
    heading->setFont(headingFont);

    auto* text3 = new QPlainTextEdit(stepsText(), this);
    nameControl(text3, "stepsText", QStringLiteral(u"排课步骤"));
    text3->setReadOnly(true);
    QFont stepsFont = text3->font();
    stepsFont.setPointSize(stepsFont.pointSize() + 2);
    text3->setFont(stepsFont);

    nameControl(moreInformation_, "moreInformation");
    auto* more = new QHBoxLayout;
    more->addWidget(new QLabel(QStringLiteral(u"如果您想了解更多的信息，请单击这里"), this));
    more->addWidget(moreInformation_);
    more->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(text3, 1);
    layout->addLayout(more);
}

} // namespace orve::ui
