#include "sheetheaders.h"

#include "table/cellcleaning.h"

#include <array>

namespace orve::exchange {

namespace {

using school::NameList;

struct PlanHeader
{
    const char16_t* text;
    PlanField field;
};

// The first header of each field is the one the program writes.
constexpr std::array<PlanHeader, 31> planHeaders = {{
    {u"班级", PlanField::Class},       {u"班级名称", PlanField::Class},
    {u"班名", PlanField::Class},       {u"class", PlanField::Class},
    {u"课程", PlanField::Course},      {u"课程名称", PlanField::Course},
    {u"科目", PlanField::Course},      {u"学科", PlanField::Course},
    {u"course", PlanField::Course},    {u"subject", PlanField::Course},
    {u"任课教师", PlanField::Teacher}, {u"教师", PlanField::Teacher},
    {u"老师", PlanField::Teacher},     {u"teacher", PlanField::Teacher},
    {u"周课时", PlanField::Periods},   {u"节数", PlanField::Periods},
    {u"课时", PlanField::Periods},     {u"周节数", PlanField::Periods},
    {u"每周节数", PlanField::Periods}, {u"periods", PlanField::Periods},
    {u"主课", PlanField::Main},        {u"主副课", PlanField::Main},
    {u"main", PlanField::Main},        {u"合班", PlanField::Combined},
    {u"合班课", PlanField::Combined},  {u"combined", PlanField::Combined},
    {u"教学场地", PlanField::Venue},   {u"场地", PlanField::Venue},
    {u"上课地点", PlanField::Venue},   {u"venue", PlanField::Venue},
    {u"room", PlanField::Venue},
}};

struct ListHeader
{
    const char16_t* text;
    NameList list;
};

constexpr std::array<ListHeader, 20> listHeaders = {{
    {u"班级", NameList::Classes},     {u"班级名单", NameList::Classes},
    {u"班级名称", NameList::Classes}, {u"class", NameList::Classes},
    {u"classes", NameList::Classes},  {u"课程", NameList::Courses},
    {u"开课课程", NameList::Courses}, {u"课程名称", NameList::Courses},
    {u"course", NameList::Courses},   {u"courses", NameList::Courses},
    {u"教师", NameList::Teachers},    {u"教师姓名", NameList::Teachers},
    {u"teacher", NameList::Teachers}, {u"teachers", NameList::Teachers},
    {u"场地", NameList::Venues},      {u"公用场地", NameList::Venues},
    {u"教学场地", NameList::Venues},  {u"venue", NameList::Venues},
    {u"venues", NameList::Venues},    {u"rooms", NameList::Venues},
}};

bool sameHeader(QStringView header, const char16_t* known)
{
    return cleanCell(header).compare(QStringView(known), Qt::CaseInsensitive) == 0;
}

} // namespace

std::optional<PlanField> planFieldOf(QStringView header)
{
    for (const PlanHeader& known : planHeaders)
        if (sameHeader(header, known.text))
            return known.field;
    return std::nullopt;
}

QString planFieldHeader(PlanField field)
{
    for (const PlanHeader& known : planHeaders)
        if (known.field == field)
            return QString::fromUtf16(known.text);
    return {};
}

std::optional<NameList> nameListOf(QStringView header)
{
    for (const ListHeader& known : listHeaders)
        if (sameHeader(header, known.text))
            return known.list;
    return std::nullopt;
}

bool isPlanOnlyHeader(QStringView header)
{
    const std::optional<PlanField> field = planFieldOf(header);
    return field == PlanField::Periods || field == PlanField::Main ||
           field == PlanField::Combined || sameHeader(header, u"任课教师");
}

} // namespace orve::exchange
