#include "core/text/PinyinInitials.h"

#include <unicode/uchar.h>

#include <QFile>
#include <array>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "core/text/Gbk.h"

// The tables are a Qt resource of the static core library; registering it here keeps the linker from
// dropping it from programs that use the converter.
static void registerPinyinResource() {
    Q_INIT_RESOURCE(pinyin);
}

namespace lanze {
namespace {

constexpr int kFirstLead = 0x81;
constexpr int kLastLead = 0xFE;
constexpr int kFirstTrail = 0x40;
constexpr int kLastTrail = 0xFE;
constexpr int kTrailsPerLead = kLastTrail - kFirstTrail + 1;  // 191
constexpr int kCharacterCount = (kLastLead - kFirstLead + 1) * kTrailsPerLead;

constexpr unsigned char kNumberRow = 0xA2;
constexpr unsigned char kFullWidthRow = 0xA3;
constexpr unsigned char kGreekRow = 0xA6;

// Latin transliteration of the 24 Greek letters in alphabet order (capitals A6A1-A6B8, small A6C1-A6D8).
constexpr std::array<const char*, 24> kGreek = {"a", "b", "g", "d", "e",  "z",  "e",  "th",
                                                "i", "k", "l", "m", "n",  "x",  "o",  "p",
                                                "r", "s", "t", "u", "ph", "kh", "ps", "o"};

struct Tables {
    std::vector<QByteArray> syllables;   // number - 1 -> syllable
    std::vector<quint16> characters;     // (lead - 0x81) * 191 + (trail - 0x40) -> syllable number
    std::array<QByteArray, 94> numbers;  // trail - 0xA1 of row A2 -> digits of the number, empty if none
};

QByteArray readResource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw std::logic_error("pinyin table missing from the program: " + path.toStdString());
    }
    return file.readAll();
}

Tables loadTables() {
    registerPinyinResource();
    Tables t;
    const QList<QByteArray> lines = readResource(QStringLiteral(":/pinyin/syllables.txt")).split('\n');
    // The file ends with a newline after the last (empty) syllable.
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        t.syllables.push_back(lines.at(i));
    }
    const QByteArray raw = readResource(QStringLiteral(":/pinyin/characters.bin"));
    if (raw.size() != kCharacterCount * 2) {
        throw std::logic_error("pinyin character table has the wrong size");
    }
    t.characters.resize(kCharacterCount);
    for (int i = 0; i < kCharacterCount; ++i) {
        const auto lo = static_cast<unsigned char>(raw.at(2 * i));
        const auto hi = static_cast<unsigned char>(raw.at(2 * i + 1));
        t.characters[size_t(i)] = quint16(lo | (hi << 8));
    }
    // Row A2 holds numbered symbols (⒈ ⑴ ① ㈠ Ⅰ ⅰ ...): their value comes from the Unicode data.
    for (int trail = 0xA1; trail <= 0xFE; ++trail) {
        const QString ch = Gbk::decode(QByteArray(1, char(kNumberRow)) + char(trail));
        if (ch.size() != 1) {
            continue;
        }
        const double value = u_getNumericValue(ch.at(0).unicode());
        if (value != U_NO_NUMERIC_VALUE && value >= 1 && value == std::floor(value)) {
            t.numbers[size_t(trail - 0xA1)] = QByteArray::number(qint64(value));
        }
    }
    return t;
}

const Tables& tables() {
    static const Tables t = loadTables();
    return t;
}

bool isAsciiLetterOrDigit(unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

unsigned char toUpperAscii(unsigned char c) {
    return (c >= 'a' && c <= 'z') ? c - 'a' + 'A' : c;
}

// The text a double-byte character contributes before it is cut to its first character.
QByteArray pieceOf(unsigned char lead, unsigned char trail, int flags) {
    const Tables& t = tables();
    const QByteArray unknown = (flags & PinyinInitials::MarkUnknown) ? QByteArray("?") : QByteArray();
    switch (lead) {
        case kNumberRow:
            if (trail > 0xA0) {
                return trail <= 0xFE ? t.numbers[size_t(trail - 0xA1)] : QByteArray();
            }
            return unknown;
        case kFullWidthRow: {
            // Full-width ASCII sits at A3A1-A3FE; the rest of the row is no character we can spell.
            if (trail < 0xA1 || trail > 0xFE) {
                return unknown;
            }
            const auto ascii = static_cast<unsigned char>(trail - 0x80);
            if (!(flags & PinyinInitials::KeepSymbols) && !isAsciiLetterOrDigit(ascii)) {
                return {};
            }
            return QByteArray(1, char(ascii));
        }
        case kGreekRow:
            if (trail >= 0xA1 && trail <= 0xB8) {
                return QByteArray(kGreek[size_t(trail - 0xA1)]).toUpper();
            }
            if (trail >= 0xC1 && trail <= 0xD8) {
                return QByteArray(kGreek[size_t(trail - 0xC1)]).toUpper();
            }
            return unknown;
        default: {
            const int number = PinyinInitials::syllableNumber(lead, trail);
            if (number == 0) {
                return unknown;
            }
            return t.syllables[size_t(number - 1)].toUpper();
        }
    }
}

}  // namespace

QByteArray PinyinInitials::convertBytes(const QByteArray& gbk, int flags, int maxLength) {
    if (flags < 0 || maxLength <= 0) {
        return {};
    }
    QByteArray out;
    const qsizetype size = gbk.size();
    for (qsizetype i = 0; i < size;) {
        const auto c = static_cast<unsigned char>(gbk.at(i));
        const auto n = static_cast<unsigned char>(i + 1 < size ? gbk.at(i + 1) : 0);
        if (c < kFirstLead || n < kFirstTrail) {
            // A single-byte character, or a lead byte without its trail byte.
            if ((flags & KeepSymbols) || isAsciiLetterOrDigit(c)) {
                out.append(char(toUpperAscii(c)));
            }
            i += 1;
            continue;
        }
        const QByteArray piece = pieceOf(c, n, flags);
        if (!piece.isEmpty()) {
            out.append(piece.at(0));
        }
        i += 2;
    }
    return out.left(maxLength);
}

QString PinyinInitials::convert(const QString& text, int flags, int maxLength) {
    return Gbk::decode(convertBytes(Gbk::encode(text), flags, maxLength));
}

int PinyinInitials::syllableNumber(unsigned char lead, unsigned char trail) {
    if (lead < kFirstLead || lead > kLastLead || trail < kFirstTrail || trail > kLastTrail) {
        return 0;
    }
    return tables().characters[size_t((lead - kFirstLead) * kTrailsPerLead + (trail - kFirstTrail))];
}

QString PinyinInitials::syllable(int number) {
    const auto& s = tables().syllables;
    if (number < 1 || size_t(number) > s.size()) {
        return {};
    }
    return QString::fromLatin1(s[size_t(number - 1)]);
}

int PinyinInitials::syllableCount() {
    return int(tables().syllables.size());
}

QString pinyinKey(const QString& name) {
    return PinyinInitials::convert(name, PinyinInitials::Plain, 20).toLower();
}

}  // namespace lanze
