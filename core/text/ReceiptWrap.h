#pragma once

#include <QString>

namespace lanze {

// Breaks a text into receipt lines of a width counted in GBK bytes (a Chinese character takes two), the
// way receipt printers count. Lines are joined by a carriage return, with none after the last line. A
// character goes on a new line when the current line plus one byte would pass the width, so a line can
// end one byte wider than the width when its last character is Chinese.
class ReceiptWrap {
  public:
    static constexpr QChar kLineBreak = QChar(13);

    static QString wrap(int widthBytes, const QString& text);
};

}  // namespace lanze
