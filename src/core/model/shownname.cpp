#include "shownname.h"

namespace orve::model {

namespace {

bool hidden(char32_t code)
{
    switch (QChar::category(code)) {
    case QChar::Other_Control:
    case QChar::Other_Format: // direction marks and overrides, zero-width characters
    case QChar::Other_Surrogate:
    case QChar::Other_PrivateUse:
    case QChar::Other_NotAssigned:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

} // namespace

QString shownName(QStringView name)
{
    QString shown;
    shown.reserve(name.size());
    for (qsizetype i = 0; i < name.size(); ++i) {
        char32_t code = name.at(i).unicode();
        qsizetype length = 1;
        if (QChar::isHighSurrogate(code) && i + 1 < name.size() &&
            name.at(i + 1).isLowSurrogate()) {
            code = QChar::surrogateToUcs4(name.at(i), name.at(i + 1));
            length = 2;
        }
        if (hidden(code))
            shown += QStringLiteral("<U+%1>").arg(uint(code), 4, 16, QChar(u'0')).toUpper();
        else
            shown += name.mid(i, length);
        i += length - 1;
    }
    return shown;
}

} // namespace orve::model
