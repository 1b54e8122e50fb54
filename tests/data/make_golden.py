#!/usr/bin/env python3
"""Writes the expected course-settings files of the file-format tests, byte by byte.

Independent of the program's writer: every line is spelled out here, encoded in GBK, with
U+F8F5 as the single byte 0xFF and CR LF after every line. Run it from this folder.
"""

SEP = "\uf8f5"


def encode(text):
    return b"\xff".join(part.encode("gbk") for part in text.split(SEP))


def tagged(value, tag):
    return value + tag + ", , "


def cell(column, row, text, tag):
    return "%d,%d,%s%s" % (column, row, text, tag)


def write(name, lines):
    with open(name, "wb") as f:
        f.write(b"".join(encode(line) + b"\r\n" for line in lines))


PLAN_HEADER = ["班级", "课程名称", "任课教师", "主副课", "节数", "进度", "合班课", "教学场地", "节数备"]


def plan_cells(rows):
    """rows: the plan rows below the header, nine texts each; cells column by column."""
    table = [PLAN_HEADER] + rows
    return [cell(c, r, table[r][c], "jhb")
            for c in range(9) for r in range(len(table)) if table[r][c]]


def fields(morning, afternoon, evening, days, title):
    return [tagged(morning, "t8"), tagged(afternoon, "t9"), tagged(evening, "tb"),
            tagged(days, "tz"), tagged(title, "bt")]


c1, c2 = "初一(1)", "初一(2)"
school = (
    [tagged("goot 合班课组合设置 合班课组合设置", "tre3"),
     tagged("合班课组合设置 合班课1 合班课1", "tre3"),
     tagged("合班课1 %s%s语文 1nkey" % (c1, SEP), "tre3"),
     tagged("合班课1 %s%s语文 2nkey" % (c2, SEP), "tre3"),
     tagged("合班课组合设置 合班课2 合班课2", "tre3"),
     tagged("合班课2 %s%s数学 3nkey" % (c1, SEP), "tre3"),
     tagged("合班课2 %s%s数学 4nkey" % (c2, SEP), "tre3"),
     tagged(c1, "1l"), tagged(c2, "1l"),
     tagged("操场", "2l"),
     tagged("语文", "lp"), tagged("数学", "lp"),
     tagged("张三", "lq"), tagged("李四", "lq"),
     tagged("%s 语文 1 1" % c1, "9l"), tagged("%s 空课 5 3" % c2, "9l")]
    + fields("3", "2", "0", "5", "")
    + [tagged("%s%s语文" % (c1, SEP), "cmb3"), tagged("%s%s语文" % (c2, SEP), "cmb3"),
       tagged("%s%s数学" % (c1, SEP), "cmb3"), tagged("%s%s数学" % (c2, SEP), "cmb3")]
    + [cell(1, 2, "语文  张三", "kczb"), cell(1, 3, "语文  张三", "kczb"),
       cell(2, 2, "数学  李四", "kczb"), cell(2, 3, "数学  李四", "kczb"),
       cell(7, 3, "语文  张三", "kczb"), cell(23, 3, "空课", "kczb"),
       cell(25, 2, "数学", "kczb")]
    + plan_cells([[c1, "语文", "张三", "主", "5", "一致", "合班", "", "5"],
                  [c1, "数学", "李四", "", "4", "", "合班", "操场", "4"],
                  [c2, "语文", "张三", "主", "5", "", "合班", "", "5"],
                  [c2, "数学", "", "", "", "", "合班", "", ""]])
)
write("school.rve", school)

# The school as start-up leaves it: the root alone, the fields, the plan's header row.
write("empty-school.rve",
      [tagged("goot 合班课组合设置 Root", "tre3")] + fields("3", "2", "0", "5", "") + plan_cells([]))

# Six days of four periods: lessons on the sixth day come before the plan's cells.
write("six-days.rve",
      [tagged("goot 合班课组合设置 Root", "tre3"), tagged("高一", "1l"), tagged("物理", "lp"),
       tagged("王五", "lq")]
      + fields("3", "1", "0", "6", "高一课表")
      + [cell(1, 2, "物理  王五", "kczb"), cell(21, 2, "物理  王五", "kczb"),
         cell(24, 2, "物理  王五", "kczb")]
      + plan_cells([["高一", "物理", "王五", "", "3", "", "", "", "3"]]))

# Classes entered before any course: one placeholder plan row ("空") per class.
write("placeholder-plan.rve",
      [tagged("goot 合班课组合设置 Root", "tre3"), tagged("一班", "1l"), tagged("二班", "1l"),
       tagged("三班", "1l")]
      + fields("3", "2", "0", "5", "")
      + plan_cells([["一班", "空", "", "", "", "", "", "", ""],
                    ["二班", "空", "", "", "", "", "", "", ""],
                    ["三班", "空", "", "", "", "", "", "", ""]]))

# The rules after the combined lessons, kind by kind; a teacher's and a venue's name may hold a
# space, since the fields are read from the right.
write("rules.rve",
      [tagged("goot 合班课组合设置 Root", "tre3"), tagged("一班", "1l"), tagged("二班", "1l"),
       tagged("实验室 A", "2l"), tagged("语文", "lp"), tagged("体育", "lp"),
       tagged("张 三", "lq"), tagged("李四", "lq")]
      + fields("4", "3", "0", "5", "")
      + [tagged("张 三 1 3", "jsbp"), tagged("张 三 5 7", "jsbp"), tagged("李四 2 1", "jsbp"),
         tagged("体育 1 1", "kcbp"),
         tagged("实验室 A 2", "cdrl"),
         tagged("语文 2", "kcts"),
         tagged("张 三 4", "jsts"),
         tagged("全体班级 语文 1", "ltks"), tagged("一班 体育 2", "ltks")]
      + plan_cells([["一班", "语文", "张 三", "主", "5", "", "", "", "5"],
                    ["一班", "体育", "李四", "", "4", "", "", "实验室 A", "4"],
                    ["二班", "语文", "张 三", "主", "5", "", "", "", "5"],
                    ["二班", "体育", "李四", "", "4", "", "", "实验室 A", "4"]]))

# Written by hand, not by the program: quoted fields, blanks and tabs before fields, a lesson
# whose text holds a comma, lines ended by a lone LF.
with open("quoted.rve", "wb") as f:
    f.write(encode('"goot 合班课组合设置 Root"tre3, , \r\n'))  # the tag outside the quotes is dropped
    f.write(encode('  "一班1l"  , , \r\n'))
    f.write(encode('\t语文lp, , \n'))
    f.write(encode('"学校课表bt", "ignored", "ignored"\r\n'))
    f.write(encode('"1" , 2,语文  张三,李四kczb\r\n'))
    f.write(encode('3,2,"语文  李四kczb\r\n'))
