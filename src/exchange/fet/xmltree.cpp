#include "xmltree.h"

#include <QXmlStreamReader>

namespace orve::exchange {

namespace {

// FET files nest a few levels deep; a deeper document is no FET file, and reading it
// recursively would only use up the stack.
constexpr int MaxDepth = 32;

bool readElement(QXmlStreamReader& xml, XmlElement& element, int depth)
{
    element.name = xml.name().toString();
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            if (depth >= MaxDepth)
                return false;
            element.children.emplace_back();
            if (!readElement(xml, element.children.back(), depth + 1))
                return false;
            break;
        case QXmlStreamReader::Characters:
            element.text += xml.text();
            break;
        case QXmlStreamReader::EndElement:
            element.text = element.text.trimmed();
            return true;
        default:
            break;
        }
    }
    return false;
}

} // namespace

const XmlElement* XmlElement::child(QStringView childName) const
{
    for (const XmlElement& element : children)
        if (element.name == childName)
            return &element;
    return nullptr;
}

QString XmlElement::childText(QStringView childName) const
{
    const XmlElement* element = child(childName);
    return element ? element->text : QString();
}

QStringList XmlElement::childTexts(QStringView childName) const
{
    QStringList texts;
    for (const XmlElement& element : children)
        if (element.name == childName)
            texts.append(element.text);
    return texts;
}

bool readXmlTree(const QByteArray& bytes, XmlElement& root, QString& error)
{
    QXmlStreamReader xml(bytes);
    root = {};
    if (xml.readNextStartElement() && readElement(xml, root, 0))
        return true;
    error = xml.hasError()
                ? QStringLiteral(u"第 %1 行：%2").arg(xml.lineNumber()).arg(xml.errorString())
                : QStringLiteral(u"文件结构不完整或层次太深");
    return false;
}

} // namespace orve::exchange
