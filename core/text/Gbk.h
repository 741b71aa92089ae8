#pragma once

#include <QByteArray>
#include <QString>

namespace lanze {

// The shop's legacy code page (GBK, code page 936): what receipt printers take, what byte widths of
// receipt lines are counted in, and what older files are written in.
class Gbk {
  public:
    static QByteArray encode(const QString& text);
    static QString decode(const QByteArray& bytes);
    // UTF-8 when the bytes are valid UTF-8, GBK otherwise.
    static QString decodeUtf8OrGbk(const QByteArray& bytes);
    // Width of the text in GBK bytes: a Chinese character counts two.
    static int byteWidth(const QString& text);
};

}  // namespace lanze
