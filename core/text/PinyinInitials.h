#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace lanze {

// Turns a dish name into the initials of its Mandarin pinyin, the key that the menu search matches
// typed letters against (宫保鸡丁 -> GBJD). Works over the GBK bytes of the name: one upper-case letter
// per Chinese character or Greek letter, ASCII letters upper-cased, digits kept, full-width letters and
// digits as plain ASCII (case kept), the first digit of a circled or bracketed number.
class PinyinInitials {
  public:
    enum Flag {
        Plain = 1,        // accepted, changes nothing
        MarkUnknown = 2,  // a double-byte character without a reading gives "?"
        KeepSymbols =
            4,  // keep every single-byte character and full-width symbol, not only letters and digits
    };

    // Negative flags give an empty result; the result is cut to maxLength bytes.
    static QByteArray convertBytes(const QByteArray& gbk, int flags, int maxLength);
    // The text is taken as GBK; characters GBK cannot hold count as "?" (a single-byte symbol).
    static QString convert(const QString& text, int flags, int maxLength);

    // Syllable number of one GBK double-byte code, 0 when it has no reading (or is not such a code).
    static int syllableNumber(unsigned char lead, unsigned char trail);
    // The syllable with this number (1-based), empty outside the table.
    static QString syllable(int number);
    static int syllableCount();
};

// The search key a menu item stores: lower-case initials of at most 20 letters.
QString pinyinKey(const QString& name);

}  // namespace lanze
