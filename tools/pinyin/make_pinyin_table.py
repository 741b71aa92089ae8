#!/usr/bin/env python3
"""Builds the pinyin tables that the menu search reads (core/text/PinyinInitials).

Writes two files into the output folder (default: resources/pinyin beside this repository's tools/):

  syllables.txt   405 lines: the toneless syllables, numbered from 1 by line, "v" standing for u-umlaut.
                  Lines 1-393 are the alphabetical syllables, then the extra syllables, the last line empty.
  characters.bin  one little-endian 16-bit syllable number per GBK double-byte code, lead 0x81-0xFE by
                  trail 0x40-0xFE (126 x 191 entries); 0 where a code has no Mandarin reading.

The readings come from the Unihan database that the Debian package unicode-data ships
(/usr/share/unicode/Unihan_Readings.txt.bz2). A character takes its most frequent reading:
kHanyuPinlu (reading frequencies in a modern text corpus) where it has one, otherwise kMandarin (the most
customary reading), otherwise the first reading of the dictionary fields. preferred-readings.txt beside
this script then picks another of the character's own listed readings for a few characters whose reading
in a shop's vocabulary differs from the general one; every pick is checked against the data.

Prints the coverage: how many of GB2312's 6763 hanzi and of all GBK hanzi have a syllable.
Run: python3 tools/pinyin/make_pinyin_table.py [--unihan FILE] [--out DIR] [--check]
"""

import argparse
import bz2
import collections
import os
import struct
import sys
import unicodedata

# Alphabetical syllables. gei and lia have no number of their own in this numbering: characters that read
# so are stored under ge and li, which give the same initial, and the initial is all the converter reads.
ALPHABETICAL = """
a ai an ang ao
ba bai ban bang bao bei ben beng bi bian biao bie bin bing bo bu
ca cai can cang cao ce ceng cha chai chan chang chao che chen cheng chi chong chou chu chuai chuan chuang
chui chun chuo ci cong cou cu cuan cui cun cuo
da dai dan dang dao de deng di dian diao die ding diu dong dou du duan dui dun duo
e en er
fa fan fang fei fen feng fo fou fu
ga gai gan gang gao ge gen geng gong gou gu gua guai guan guang gui gun guo
ha hai han hang hao he hei hen heng hong hou hu hua huai huan huang hui hun huo
ji jia jian jiang jiao jie jin jing jiong jiu ju juan jue jun
ka kai kan kang kao ke ken keng kong kou ku kua kuai kuan kuang kui kun kuo
la lai lan lang lao le lei leng li lian liang liao lie lin ling liu long lou lu luan lue lun luo
ma mai man mang mao me mei men meng mi mian miao mie min ming miu mo mou mu
na nai nan nang nao ne nei nen neng ni nian niang niao nie nin ning niu nong nu nuan nue nuo
o ou
pa pai pan pang pao pei pen peng pi pian piao pie pin ping po pou pu
qi qia qian qiang qiao qie qin qing qiong qiu qu quan que qun
ran rang rao re ren reng ri rong rou ru ruan rui run ruo
sa sai san sang sao se sen seng sha shai shan shang shao she shen sheng shi shou shu shua shuai shuan
shuang shui shun shuo si song sou su suan sui sun suo
ta tai tan tang tao te teng ti tian tiao tie ting tong tou tu tuan tui tun tuo
wa wai wan wang wei wen weng wo wu
xi xia xian xiang xiao xie xin xing xiong xiu xu xuan xue xun
ya yan yang yao ye yi yin ying yo yong you yu yuan yue yun
za zai zan zang zao ze zei zen zeng zha zhai zhan zhang zhao zhe zhen zheng zhi zhong zhou zhu zhua zhuai
zhuan zhuang zhui zhun zhuo zi zong zou zu zuan zui zun zuo
""".split()

EXTRAS = ["ei", "m", "n", "dia", "cen", "nou", "jv", "qv", "xv", "lv", "nv", ""]

SYLLABLES = ALPHABETICAL + EXTRAS

# Rows of symbols, and the last row, carry no readings.
SYMBOL_ROWS = set(range(0xA1, 0xAA)) | {0xFE}

LEADS = range(0x81, 0xFF)
TRAILS = range(0x40, 0xFF)


def toneless(reading):
    """'lǜ' -> 'lv', 'zhòng' -> 'zhong', 'ḿ' -> 'm', 'ê̄' -> 'e'."""
    decomposed = unicodedata.normalize("NFD", reading.strip().lower())
    decomposed = decomposed.replace("u\u0308", "v")
    plain = "".join(ch for ch in decomposed if not unicodedata.combining(ch))
    # lüe and nüe are spelled with u in the syllable list: after l and n, "ue" can only mean üe.
    return {"lve": "lue", "nve": "nue"}.get(plain, plain)


def first_readings(field, value):
    """All readings of one Unihan field, most preferred first."""
    if field == "kHanyuPinlu":
        # "xíng(2943) háng(218)": order by count, highest first.
        pairs = []
        for item in value.split():
            reading, _, count = item.partition("(")
            pairs.append((int(count.rstrip(")")), reading))
        pairs.sort(key=lambda p: -p[0])
        return [r for _, r in pairs]
    if field == "kMandarin":
        return value.split()
    # Dictionary fields: "0442.080:háng 0443.050:hàng" or "20811.060:háng,xìng".
    readings = []
    for item in value.split():
        readings.extend(item.split(":", 1)[1].split(","))
    return readings


FIELD_ORDER = ["kHanyuPinlu", "kMandarin", "kTGHZ2013", "kXHC1983", "kHanyuPinyin"]


def load_unihan(path):
    fields = collections.defaultdict(dict)
    opener = bz2.open if path.endswith(".bz2") else open
    with opener(path, "rt", encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            code, field, value = line.rstrip("\n").split("\t", 2)
            if field in FIELD_ORDER:
                fields[int(code[2:], 16)][field] = value
    return fields


def readings_of(fields, ch):
    """Toneless readings of a character, most common first, without repeats."""
    entry = fields.get(ord(ch))
    if entry is None:
        # Compatibility ideographs read as the unified ideograph they stand for.
        unified = unicodedata.normalize("NFC", ch)
        entry = fields.get(ord(unified)) if unified != ch else None
    if entry is None:
        return []
    out = []
    for field in FIELD_ORDER:
        if field in entry:
            for r in first_readings(field, entry[field]):
                t = toneless(r)
                # "r" is the rhotic suffix of 儿 (花儿 huar), not a syllable read on its own.
                if t and t != "r" and t not in out:
                    out.append(t)
    return out


def syllable_number(readings, index):
    """Number of the syllable for the first reading; falls back so that the initial letter always holds.

    Returns (number, exact)."""
    first = readings[0]
    if first in index:
        return index[first], True
    # Another listed reading of the same character with the same initial.
    for other in readings[1:]:
        if other in index and other[0] == first[0]:
            return index[other], False
    # The longest syllable the reading starts with (gei -> ge, ng -> n), else the first one with its letter.
    for end in range(len(first) - 1, 0, -1):
        if first[:end] in index:
            return index[first[:end]], False
    for number, s in enumerate(SYLLABLES, start=1):
        if s and s[0] == first[0]:
            return number, False
    return 0, False


def load_preferences(path):
    prefs = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.split("#", 1)[0].strip()
            if not line:
                continue
            ch, reading = line.split()[:2]
            prefs[ch] = reading
    return prefs


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    repo = os.path.dirname(os.path.dirname(here))
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--unihan", default="/usr/share/unicode/Unihan_Readings.txt.bz2")
    parser.add_argument("--out", default=os.path.join(repo, "resources", "pinyin"))
    parser.add_argument("--preferences", default=os.path.join(here, "preferred-readings.txt"))
    parser.add_argument("--show-approximations", action="store_true",
                        help="list the characters stored under a neighbouring syllable")
    parser.add_argument("--check", action="store_true",
                        help="write nothing; fail when the files in --out differ from what would be written")
    args = parser.parse_args()

    assert len(ALPHABETICAL) == 393 and len(SYLLABLES) == 405, (len(ALPHABETICAL), len(SYLLABLES))
    assert len(set(SYLLABLES)) == len(SYLLABLES)
    index = {s: n for n, s in enumerate(SYLLABLES, start=1) if s}

    fields = load_unihan(args.unihan)
    prefs = load_preferences(args.preferences)

    table = [0] * (len(LEADS) * len(TRAILS))
    gb2312_total = gb2312_mapped = gbk_total = gbk_mapped = approximated = 0
    used_prefs = set()
    for lead in LEADS:
        for trail in TRAILS:
            try:
                ch = bytes([lead, trail]).decode("gbk")
            except UnicodeDecodeError:
                continue
            if unicodedata.category(ch) != "Lo" or not unicodedata.name(ch, "").startswith("CJK"):
                continue
            in_gb2312 = 0xB0 <= lead <= 0xF7 and 0xA1 <= trail <= 0xFE
            gbk_total += 1
            gb2312_total += in_gb2312
            if lead in SYMBOL_ROWS:
                continue
            readings = readings_of(fields, ch)
            if ch in prefs:
                wanted = prefs[ch]
                if wanted not in readings:
                    sys.exit(f"preferred reading {wanted} of {ch} is not one of its readings {readings}")
                readings = [wanted] + [r for r in readings if r != wanted]
                used_prefs.add(ch)
            if not readings:
                continue
            number, exact = syllable_number(readings, index)
            if number == 0:
                continue
            if not exact:
                approximated += 1
                if args.show_approximations:
                    print(f"{lead:02X}{trail:02X} {ch} {readings[0]} -> {SYLLABLES[number - 1]}")
            table[(lead - 0x81) * len(TRAILS) + (trail - 0x40)] = number
            gbk_mapped += 1
            gb2312_mapped += in_gb2312
    unused = set(prefs) - used_prefs
    if unused:
        sys.exit(f"preferred readings for characters not in the table: {''.join(sorted(unused))}")

    outputs = {
        "syllables.txt": ("\n".join(SYLLABLES) + "\n").encode("ascii"),
        "characters.bin": struct.pack("<%dH" % len(table), *table),
    }
    if args.check:
        stale = []
        for name, data in outputs.items():
            path = os.path.join(args.out, name)
            if not os.path.exists(path) or open(path, "rb").read() != data:
                stale.append(path)
        if stale:
            sys.exit("out of date, run tools/pinyin/make_pinyin_table.py: " + ", ".join(stale))
    else:
        os.makedirs(args.out, exist_ok=True)
        for name, data in outputs.items():
            with open(os.path.join(args.out, name), "wb") as f:
                f.write(data)

    print(f"GB2312 hanzi with a syllable: {gb2312_mapped} of {gb2312_total}")
    print(f"GBK hanzi with a syllable: {gbk_mapped} of {gbk_total} (row 0xFE left empty)")
    print(f"readings stored under a neighbouring syllable of the same initial: {approximated}")
    print(f"readings picked by preferred-readings.txt: {len(used_prefs)}")


if __name__ == "__main__":
    main()
