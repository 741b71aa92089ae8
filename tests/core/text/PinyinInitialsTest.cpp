#include <gtest/gtest.h>

#include "core/text/Gbk.h"
#include "core/text/PinyinInitials.h"

using namespace lanze;

namespace {

QString conv(const char* utf8, int flags = 1, int maxLength = 20) {
    return PinyinInitials::convert(QString::fromUtf8(utf8), flags, maxLength);
}

}  // namespace

TEST(PinyinInitials, SyllableNumbering) {
    EXPECT_EQ(PinyinInitials::syllableCount(), 405);
    const struct {
        int number;
        const char* syllable;
    } syllables[] = {{1, "a"},    {5, "ao"},      {6, "ba"},    {23, "cai"}, {79, "fan"}, {104, "guo"},
                     {354, "yu"}, {376, "zhong"}, {393, "zuo"}, {394, "ei"}, {404, "nv"}, {405, ""}};
    for (const auto& s : syllables) {
        EXPECT_EQ(PinyinInitials::syllable(s.number), QString::fromLatin1(s.syllable)) << s.number;
    }
    EXPECT_EQ(PinyinInitials::syllable(0), QString());
    EXPECT_EQ(PinyinInitials::syllable(406), QString());

    // 啊 菜 饭 国 中 丂
    const struct {
        unsigned char lead, trail;
        int number;
    } characters[] = {{0xB0, 0xA1, 1},   {0xB2, 0xCB, 23},  {0xB7, 0xB9, 79},
                      {0xB9, 0xFA, 104}, {0xD6, 0xD0, 376}, {0x81, 0x40, 354}};
    for (const auto& c : characters) {
        EXPECT_EQ(PinyinInitials::syllableNumber(c.lead, c.trail), c.number)
            << std::hex << int(c.lead) << int(c.trail);
    }
}

TEST(PinyinInitials, EveryGb2312HanziHasAReadingAndSymbolRowsHaveNone) {
    int missing = 0;
    for (int lead = 0xB0; lead <= 0xF7; ++lead) {
        for (int trail = 0xA1; trail <= 0xFE; ++trail) {
            if (lead == 0xD7 && trail >= 0xFA) {
                continue;  // unassigned end of row 0xD7
            }
            if (PinyinInitials::syllableNumber(lead, trail) == 0) {
                ++missing;
                ADD_FAILURE() << "no reading for " << std::hex << lead << trail;
            }
        }
    }
    EXPECT_EQ(missing, 0);
    for (int lead : {0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7, 0xA8, 0xA9, 0xFE}) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            ASSERT_EQ(PinyinInitials::syllableNumber(lead, trail), 0) << std::hex << lead << trail;
        }
    }
}

TEST(PinyinInitials, ConvertsNamesAsTheMenuSearchNeeds) {
    const struct {
        const char* text;
        int flags;
        int maxLength;
        const char* expected;
    } cases[] = {
        {"宫保鸡丁", 1, 20, "GBJD"},
        {"A套餐12", 1, 20, "ATC12"},
        {"abc xyz", 1, 20, "ABCXYZ"},   // ASCII letters upper-cased, blank dropped
        {"abc xyz", 4, 20, "ABC XYZ"},  // kept with bit 2
        {"可乐(大)", 1, 20, "KLD"},
        {"可乐(大)", 5, 20, "KL(D)"},
        {"可乐(大)", 0, 20, "KLD"},   // bit 0 changes nothing
        {"ｃｏｋｅ", 1, 20, "coke"},  // full-width letters keep their case
        {"ＡＢ５", 1, 20, "AB5"},
        {"（大）", 1, 20, "D"},    // full-width brackets dropped ...
        {"（大）", 4, 20, "(D)"},  // ... or kept as plain ASCII
        {"⑩", 1, 20, "1"},         // first digit of the number only
        {"⒈⑴①⒛", 1, 20, "1112"},
        {"Ⅻⅳ㈤", 1, 20, "145"},   // roman and bracketed numbers of the same row
        {"αβΩθ", 1, 20, "ABOT"},  // Greek: a b o th
        {"　", 1, 20, ""},        // ideographic space has no reading
        {"　", 3, 20, "?"},
        {"宫保鸡丁", -1, 20, ""},
        {"宫保鸡丁", -4, 20, ""},
        {"宫保鸡丁", 1, 2, "GB"},
        {"宫保鸡丁", 1, 0, ""},
        {"😀菜", 1, 20, "C"},  // not in GBK: becomes "?", a dropped symbol
        {"", 1, 20, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(conv(c.text, c.flags, c.maxLength), QString::fromUtf8(c.expected))
            << c.text << " flags " << c.flags;
    }
}

TEST(PinyinInitials, LongNamesAreCutToTheMaximum) {
    const QString name =
        QString::fromUtf8("宫保鸡丁盖饭加一份米饭鱼香肉丝麻婆豆腐红烧肉回锅肉");  // 25 characters
    ASSERT_EQ(name.size(), 25);
    EXPECT_EQ(PinyinInitials::convert(name, 1, 20), QStringLiteral("GBJDGFJYFMFYXRSMPDFH"));
    EXPECT_EQ(PinyinInitials::convert(name, 1, 100).size(), 25);
}

TEST(PinyinInitials, HandlesBrokenAndUnusualBytes) {
    const struct {
        QByteArray bytes;
        int flags;
        QByteArray expected;
    } cases[] = {
        {QByteArray("AB\x81", 3), 1, "AB"},                     // lone lead byte at the end: dropped ...
        {QByteArray("AB\x81", 3), 4, QByteArray("AB\x81", 3)},  // ... or kept with bit 2
        {QByteArray("\x81"
                    "1",
                    2),
         1, "1"},                             // lead byte before a low byte is single
        {QByteArray("\xA3\x50", 2), 3, "?"},  // row A3 outside full-width ASCII
        {QByteArray("\xA3\x50", 2), 4, ""},   // never a stray control byte
        {QByteArray("\xA2\x50", 2), 3, "?"},
        {QByteArray("\xA2\xAB", 2), 3, ""},   // unassigned number code gives nothing
        {QByteArray("\xA6\xB9", 2), 3, "?"},  // between the two Greek blocks
        {QByteArray("\xFE\x50", 2), 3, "?"},  // last row carries no readings
        {QByteArray("\xFF\xFF", 2), 3, "?"},
        {QByteArray("\xB0\xA1\xB0", 3), 1, "A"},  // 啊 then a lone lead byte
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PinyinInitials::convertBytes(c.bytes, c.flags, 20), c.expected)
            << c.bytes.toHex().constData() << " flags " << c.flags;
    }
}

TEST(PinyinInitials, KnownInitialsOfCommonDishes) {
    const struct {
        const char* name;
        const char* key;
    } dishes[] = {
        {"鱼香肉丝", "yxrs"},
        {"麻婆豆腐", "mpdf"},
        {"红烧肉", "hsr"},
        {"回锅肉", "hgr"},
        {"西红柿炒鸡蛋", "xhscjd"},
        {"酸辣土豆丝", "sltds"},
        {"水煮鱼", "szy"},
        {"糖醋里脊", "tclj"},
        {"京酱肉丝", "jjrs"},
        {"地三鲜", "dsx"},
        {"银行", "yh"},
        {"宫保鸡丁", "gbjd"},
        {"重庆小面", "cqxm"},
        {"干煸四季豆", "gbsjd"},
        {"蚝油生菜", "hysc"},
        {"扬州炒饭", "yzcf"},
        {"青椒土豆丝", "qjtds"},
        {"可乐鸡翅", "kljc"},
        {"红烧排骨", "hspg"},
        {"清蒸鲈鱼", "qzly"},
        {"水煮牛肉", "sznr"},
        {"小鸡炖蘑菇", "xjdmg"},
        {"手撕包菜", "ssbc"},
        {"蒜蓉西兰花", "srxlh"},
        {"番茄牛腩", "fqnn"},
        {"东坡肘子", "dpzz"},
        {"辣子鸡", "lzj"},
        {"梅菜扣肉", "mckr"},
        {"剁椒鱼头", "djyt"},
        {"毛血旺", "mxw"},
        {"夫妻肺片", "fqfp"},
        {"口水鸡", "ksj"},
        {"啤酒鸭", "pjy"},
        {"佛跳墙", "ftq"},
        {"蛤蜊汤", "glt"},
        {"长寿面", "csm"},
        {"炸酱面", "zjm"},
        {"叉烧包", "csb"},
        {"黑椒牛扒", "hjnp"},
        {"虾饺", "xj"},
        {"炒河粉", "chf"},
        {"腊肠煲仔饭", "lcbzf"},
        {"凉拌黄瓜", "lbhg"},
        {"皮蛋瘦肉粥", "pdsrz"},
        {"猪肉白菜水饺", "zrbcsj"},
        {"老北京炸酱面", "lbjzjm"},
        {"鸡蛋灌饼", "jdgb"},
        {"啤酒", "pj"},
        {"雪碧", "xb"},
        {"米饭", "mf"},
    };
    for (const auto& d : dishes) {
        EXPECT_EQ(pinyinKey(QString::fromUtf8(d.name)), QString::fromUtf8(d.key)) << d.name;
    }
    EXPECT_EQ(pinyinKey(QStringLiteral("A套餐12")), QStringLiteral("atc12"));
}
