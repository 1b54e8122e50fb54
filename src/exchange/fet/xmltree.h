// A small element tree of an XML document, for formats read as a whole (a FET file): each
// element's name, its own text and its child elements. Attributes and comments are left out.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace orve::exchange {

struct XmlElement
{
    QString name;
    QString text; // the element's own text, trimmed
    std::vector<XmlElement> children;

    // The first child of that name; null when there is none.
    const XmlElement* child(QStringView childName) const;
    // The text of the first child of that name; empty when there is none.
    QString childText(QStringView childName) const;
    // The texts of every child of that name, in order.
    QStringList childTexts(QStringView childName) const;
};

// The document's root element; false, with `error` set, when the bytes are not well-formed
// XML or nest deeper than any document the program reads.
bool readXmlTree(const QByteArray& bytes, XmlElement& root, QString& error);

} // namespace orve::exchange
