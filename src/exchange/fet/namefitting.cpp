#include "namefitting.h"

#include "import/headerrow.h"

#include "model/combinedlesson.h"
#include "model/gbk.h"
#include "school/namecheck.h"

namespace orve::exchange {

namespace {

bool inGbk(QStringView text)
{
    return model::charactersOutsideGbk(text).isEmpty();
}

// A character GBK lacks, as its letter without accents ("ő" to "o"), else "_".
QString plainForm(const QString& character)
{
    QString plain;
    for (const QChar c : character.normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing && inGbk(QStringView(&c, 1)))
            plain.append(c);
    return plain.isEmpty() ? QStringLiteral("_") : plain;
}

} // namespace

QString withinGbk(const QString& text)
{
    QString result;
    const QList<uint> codePoints = text.toUcs4();
    for (const uint codePoint : codePoints) {
        const QString character =
            QString::fromUcs4(reinterpret_cast<const char32_t*>(&codePoint), 1);
        result += inGbk(character) ? character : plainForm(character);
    }
    return result;
}

QString NameFitter::fitted(const QString& name) const
{
    const bool splitsAtSpaces =
        list_ == school::NameList::Classes || list_ == school::NameList::Courses;
    QString text = withinGbk(name.simplified());
    text.remove(QChar(model::CombinedSeparator));
    text.replace(u',', u'，');
    if (splitsAtSpaces)
        text.replace(u' ', u'_');
    if (text.startsWith(u'"'))
        text[0] = u'“';
    if (text.isEmpty())
        text = QStringLiteral(u"未命名");
    // Reserved words ("空", "空课", "全体班级") are refused as they are and taken with a "_".
    if (!school::nameRefusal(list_, text).isEmpty())
        text += u'_';
    return text;
}

QString NameFitter::fit(const QString& name)
{
    if (const auto known = fitted_.constFind(name); known != fitted_.cend())
        return *known;
    const QString base = fitted(name);
    QString result = base;
    for (int number = 2; taken_.contains(result); ++number)
        result = base + u'_' + QString::number(number);
    if (result != name)
        changes_.append(QStringLiteral(u"%1“%2”改为“%3”").arg(listWord(list_), name, result));
    fitted_.insert(name, result);
    taken_.insert(result);
    names_.append(result);
    return result;
}

} // namespace orve::exchange
