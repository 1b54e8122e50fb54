#include "programinfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace orve::ui {

QString plainCaption(const QString& caption)
{
    // "(&R)" names a key the caption itself does not hold; a lone "&" marks one that it does,
    // and "&&" is a shown "&".
    static const QRegularExpression keyInParentheses(QStringLiteral("\\s*\\(&[^&]\\)"));
    static const QRegularExpression marker(QStringLiteral("&(.)"));
    QString plain = caption;
    plain.remove(keyInParentheses);
    plain.replace(marker, QStringLiteral("\\1"));
    return plain.simplified();
}

QString helpFilePath()
{
    return helpFilePathFor(QCoreApplication::applicationDirPath());
}

QString helpFilePathFor(const QString& programDir)
{
    const QString name = QStringLiteral("orve-help.html");
    const QDir folder(programDir);
    const QString beside = folder.filePath(name);
    const QString installed =
        QDir::cleanPath(folder.filePath(QStringLiteral(ORVE_DATA_FROM_PROGRAM "/") + name));
    for (const QString& path : {beside, installed}) {
        if (QFileInfo(path).isFile())
            return path;
    }
    return beside;
}

} // namespace orve::ui
