#include "core/text/Gbk.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace lanze {

QByteArray Gbk::encode(const QString& text) {
    QStringEncoder enc("GBK");
    return enc.encode(text);
}

QString Gbk::decode(const QByteArray& bytes) {
    QStringDecoder dec("GBK");
    return dec.decode(bytes);
}

QString Gbk::decodeUtf8OrGbk(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError()) {
        return text;
    }
    return decode(bytes);
}

int Gbk::byteWidth(const QString& text) {
    return int(encode(text).size());
}

}  // namespace lanze
