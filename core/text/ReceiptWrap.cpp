#include "core/text/ReceiptWrap.h"

#include "core/text/Gbk.h"

namespace lanze {

QString ReceiptWrap::wrap(int widthBytes, const QString& text) {
    QString out;
    out.reserve(text.size() + text.size() / 8);
    int lineBytes = 0;
    bool lineEmpty = true;
    for (qsizetype i = 0; i < text.size();) {
        // One character, a surrogate pair included.
        const qsizetype len = (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const QString ch = text.mid(i, len);
        i += len;
        const int bytes = ch.at(0).unicode() < 0x80 ? 1 : Gbk::byteWidth(ch);
        // An empty line always takes the character, so a tiny width never yields empty lines.
        if (!lineEmpty && lineBytes + 1 > widthBytes) {
            out.append(kLineBreak);
            lineBytes = 0;
        }
        out.append(ch);
        lineBytes += bytes;
        lineEmpty = false;
    }
    return out;
}

}  // namespace lanze
