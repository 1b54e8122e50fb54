#include "gbk.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace orve::model {

namespace {
constexpr const char* CodePage = "GBK";
}

bool encodeGbk(QStringView text, QByteArray& out)
{
    // A fresh encoder per call: no state carries over from an earlier text.
    QStringEncoder encoder(CodePage, QStringConverter::Flag::Stateless);
    if (!encoder.isValid())
        return false;
    out = encoder(text);
    if (encoder.hasError())
        return false;
    // Best-fit mappings encode without an error but read back as another character.
    QString back;
    return decodeGbk(out, back) && back == text;
}

bool decodeGbk(QByteArrayView bytes, QString& out)
{
    QStringDecoder decoder(CodePage, QStringConverter::Flag::Stateless);
    if (!decoder.isValid())
        return false;
    out = decoder(bytes);
    return !decoder.hasError();
}

QString charactersOutsideGbk(QStringView text)
{
    QString found;
    QByteArray bytes;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()
                ? 2
                : 1;
        const QStringView character = text.mid(i, length);
        if (!found.contains(character) && !encodeGbk(character, bytes))
            found += character;
        i += length;
    }
    return found;
}

} // namespace orve::model
