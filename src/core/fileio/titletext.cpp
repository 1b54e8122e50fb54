#include "titletext.h"

#include "workspace.h"

namespace orve::fileio {

QString tidyTitle(QStringView typed)
{
    QString title;
    title.reserve(typed.size());
    for (const QChar c : typed) {
        if (c == u'\r' || c == u'\n')
            continue;
        if (title.isEmpty() && (c == u' ' || c == u'\t'))
            continue;
        if (c == u',')
            title += QChar(u'，');
        else if (title.isEmpty() && c == u'"')
            title += QChar(u'“');
        else
            title += c;
    }
    return title;
}

const QString& setTitle(Workspace& ws, QStringView typed)
{
    QString title = tidyTitle(typed);
    if (title != ws.school.title) {
        ws.school.title = std::move(title);
        emit ws.notifier.titleChanged();
    }
    return ws.school.title;
}

} // namespace orve::fileio
