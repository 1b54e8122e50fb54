#include "filemessages.h"

#include "readerror.h"
#include "savedata.h"

#include "model/shownname.h"

#include <QDir>
#include <QFileInfo>

namespace orve::fileio {

namespace {

// Each character once, line breaks named, since they cannot be shown.
QString listed(const QString& characters)
{
    QStringList items;
    for (qsizetype i = 0; i < characters.size(); ++i) {
        const QChar c = characters.at(i);
        if (c == u'\r')
            items.append(QStringLiteral(u"（回车符）"));
        else if (c == u'\n')
            items.append(QStringLiteral(u"（换行符）"));
        else if (c.isHighSurrogate() && i + 1 < characters.size())
            items.append(characters.mid(i++, 2));
        else
            items.append(QString(c));
    }
    return items.join(u' ');
}

QString shortened(const QString& text)
{
    constexpr qsizetype Longest = 40;
    return text.size() <= Longest ? text : text.left(Longest) + u'…';
}

} // namespace

QString shownPath(const QString& path)
{
    return model::shownName(QDir::toNativeSeparators(path));
}

QString openFailureMessage(const QString& path, const ReadError& error)
{
    const QString where =
        error.line > 0
            ? QStringLiteral(u"课程设置文件“%1”的第 %2 行无法读取：%3。")
                  .arg(shownPath(path))
                  .arg(error.line)
                  .arg(error.reason)
            : QStringLiteral(u"无法读取课程设置文件“%1”：%2。").arg(shownPath(path), error.reason);
    return where + QStringLiteral(u"\n文件没有打开，原来的课程设置没有改变。");
}

QString damagedFileQuestion(const QString& path, const ReadWarning& warning)
{
    return QStringLiteral(u"课程设置文件“%1”的第 %2 行可能已经损坏：%3。\n"
                          u"仍然打开这个文件吗？打开后请检查内容，再另存为新的文件。")
        .arg(shownPath(path))
        .arg(warning.line)
        .arg(warning.reason);
}

QString saveFailureMessage(const QString& path, const SaveResult& result)
{
    if (result.status == SaveResult::Status::Unencodable)
        return QStringLiteral(u"课程设置文件只能存放 GBK 编码的文字，下列字符无法保存：%1\n"
                              u"（例如“%2”）\n请修改后再保存，文件没有保存。")
            .arg(listed(result.characters), model::shownName(shortened(result.sample)));
    if (result.status == SaveResult::Status::NotReadBack)
        return QStringLiteral(u"课程设置文件无法按原样保存“%1”：开头的空格或双引号、名称中的逗号，"
                              u"打开文件时会读成别的内容。\n请修改后再保存，文件没有保存。")
            .arg(model::shownName(shortened(result.sample)));
    QString message =
        QStringLiteral(u"课程设置文件“%1”没有保存：%2。").arg(shownPath(path), result.reason);
    if (QFileInfo(path).isFile())
        message += QStringLiteral(u"\n原有的文件没有改变。");
    return message;
}

} // namespace orve::fileio
