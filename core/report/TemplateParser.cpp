#include "core/report/TemplateParser.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <cmath>

#include "core/text/Gbk.h"

namespace lanze {

QString TemplateError::text() const {
    if (line <= 0) {
        return QStringLiteral("%1：%2").arg(file, message);
    }
    return QStringLiteral("%1 第 %2 行：%3").arg(file).arg(line).arg(message);
}

QString TemplateLoad::errorText() const {
    QStringList lines;
    for (const TemplateError& e : errors) {
        lines << e.text();
    }
    return lines.join(QLatin1Char('\n'));
}

namespace {

struct Token {
    QString key;    // empty for a bare word or a quoted text
    QString value;  // the word, the text, or the value after "="
    bool quoted = false;
};

struct LineFault {
    QString message;
};

// Splits one line into words, key=value pairs and "quoted texts" (\" \\ and \n inside quotes).
std::vector<Token> tokenize(const QString& line) {
    std::vector<Token> tokens;
    const qsizetype n = line.size();
    qsizetype i = 0;
    auto readQuoted = [&](QString& out) {
        ++i;  // opening quote
        while (i < n) {
            const QChar c = line.at(i);
            if (c == QLatin1Char('\\') && i + 1 < n) {
                const QChar e = line.at(i + 1);
                out += e == QLatin1Char('n') ? QChar(QLatin1Char('\n')) : e;
                i += 2;
                continue;
            }
            if (c == QLatin1Char('"')) {
                ++i;
                return;
            }
            out += c;
            ++i;
        }
        throw LineFault{QStringLiteral("引号没有结束")};
    };
    while (i < n) {
        if (line.at(i).isSpace()) {
            ++i;
            continue;
        }
        Token t;
        if (line.at(i) == QLatin1Char('"')) {
            readQuoted(t.value);
            t.quoted = true;
            tokens.push_back(t);
            continue;
        }
        QString word;
        while (i < n && !line.at(i).isSpace() && line.at(i) != QLatin1Char('=')) {
            if (line.at(i) == QLatin1Char('"')) {
                throw LineFault{QStringLiteral("“%1”后面的引号放错了位置").arg(word)};
            }
            word += line.at(i++);
        }
        if (i < n && line.at(i) == QLatin1Char('=')) {
            ++i;
            if (word.isEmpty()) {
                throw LineFault{QStringLiteral("等号前面缺少属性名")};
            }
            t.key = word.toLower();
            if (i < n && line.at(i) == QLatin1Char('"')) {
                readQuoted(t.value);
                t.quoted = true;
            } else {
                while (i < n && !line.at(i).isSpace()) {
                    t.value += line.at(i++);
                }
                if (t.value.isEmpty()) {
                    throw LineFault{QStringLiteral("属性“%1”缺少值").arg(word)};
                }
            }
        } else {
            t.value = word;
        }
        tokens.push_back(t);
    }
    return tokens;
}

// The attributes of one directive line, checked against what that directive accepts.
class Attributes {
  public:
    Attributes(const std::vector<Token>& tokens, const QSet<QString>& keys, const QSet<QString>& flags,
               bool wantsText) {
        for (std::size_t k = 1; k < tokens.size(); ++k) {
            const Token& t = tokens[k];
            if (!t.key.isEmpty()) {
                if (!keys.contains(t.key)) {
                    throw LineFault{QStringLiteral("不认识的属性“%1”").arg(t.key)};
                }
                if (values_.contains(t.key)) {
                    throw LineFault{QStringLiteral("属性“%1”写了两次").arg(t.key)};
                }
                values_.insert(t.key, t.value);
            } else if (t.quoted) {
                if (!wantsText) {
                    throw LineFault{QStringLiteral("这一行不能带文字")};
                }
                if (text_) {
                    throw LineFault{QStringLiteral("一行只能有一段文字")};
                }
                text_ = t.value;
            } else {
                const QString flag = t.value.toLower();
                if (!flags.contains(flag)) {
                    throw LineFault{QStringLiteral("不认识的词“%1”").arg(t.value)};
                }
                flags_.insert(flag);
            }
        }
    }

    bool has(const QString& key) const { return values_.contains(key); }
    QString value(const QString& key) const { return values_.value(key); }
    bool flag(const QString& name) const { return flags_.contains(name); }
    std::optional<QString> text() const { return text_; }

    double number(const QString& key, std::optional<double> fallback = std::nullopt,
                  bool allowNegative = false) const {
        if (!values_.contains(key)) {
            if (fallback) {
                return *fallback;
            }
            throw LineFault{QStringLiteral("缺少属性“%1”").arg(key)};
        }
        bool ok = false;
        const double v = values_.value(key).toDouble(&ok);
        if (!ok || !std::isfinite(v)) {
            throw LineFault{QStringLiteral("属性“%1”应是数字，而不是“%2”").arg(key, values_.value(key))};
        }
        if (v < 0 && !allowNegative) {
            throw LineFault{QStringLiteral("属性“%1”不能小于 0").arg(key)};
        }
        if (v > 10000) {
            throw LineFault{QStringLiteral("属性“%1”太大：%2").arg(key, values_.value(key))};
        }
        return v;
    }

    QColor color(const QString& key, const QColor& fallback) const {
        if (!values_.contains(key)) {
            return fallback;
        }
        const QColor c = QColor::fromString(values_.value(key));
        if (!c.isValid()) {
            throw LineFault{QStringLiteral("“%1”不是颜色（例如 #000000 或 black）").arg(values_.value(key))};
        }
        return c;
    }

  private:
    QHash<QString, QString> values_;
    QSet<QString> flags_;
    std::optional<QString> text_;
};

const QSet<QString> kFontKeys = {QStringLiteral("family"), QStringLiteral("size")};
const QSet<QString> kFontFlags = {QStringLiteral("bold"), QStringLiteral("italic"),
                                  QStringLiteral("underline")};

ReportFont readFont(const Attributes& a, ReportFont font) {
    if (a.has(QStringLiteral("family"))) {
        font.family = a.value(QStringLiteral("family"));
    }
    font.size = a.number(QStringLiteral("size"), font.size);
    if (font.size < 1 || font.size > 200) {
        throw LineFault{QStringLiteral("字号应在 1 到 200 之间")};
    }
    font.bold = font.bold || a.flag(QStringLiteral("bold"));
    font.italic = font.italic || a.flag(QStringLiteral("italic"));
    font.underline = font.underline || a.flag(QStringLiteral("underline"));
    return font;
}

QSet<QString> unite(QSet<QString> a, const QSet<QString>& b) {
    a.unite(b);
    return a;
}

class Parser {
  public:
    Parser(const QString& name, const QString& folder) {
        report_.name = name;
        report_.folder = folder;
        name_ = name;
    }

    TemplateLoad run(const QString& text) {
        const QStringList lines = text.split(QLatin1Char('\n'));
        for (int i = 0; i < lines.size(); ++i) {
            QString line = lines.at(i);
            if (line.endsWith(QLatin1Char('\r'))) {
                line.chop(1);
            }
            const QString trimmed = line.trimmed();
            if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#'))) {
                continue;
            }
            lineNo_ = i + 1;
            try {
                directive(tokenize(trimmed));
            } catch (const LineFault& f) {
                errors_.push_back({name_, lineNo_, f.message});
            }
        }
        if (!sawPage_ && errors_.empty()) {
            errors_.push_back({name_, 1, QStringLiteral("缺少 page 行（纸张大小）")});
        }
        TemplateLoad load;
        load.errors = errors_;
        if (errors_.empty()) {
            load.report = report_;
        }
        return load;
    }

  private:
    void directive(const std::vector<Token>& tokens) {
        const Token& head = tokens.front();
        if (!head.key.isEmpty() || head.quoted) {
            throw LineFault{QStringLiteral("每行应以指令开头（page、font、band、text、line、box、picture）")};
        }
        const QString word = head.value.toLower();
        if (word == QLatin1String("page")) {
            page(tokens);
        } else if (word == QLatin1String("font")) {
            if (!report_.bands.empty()) {
                throw LineFault{QStringLiteral("font 行应写在第一个 band 之前")};
            }
            report_.font = readFont(Attributes(tokens, kFontKeys, kFontFlags, false), report_.font);
        } else if (word == QLatin1String("band")) {
            band(tokens);
        } else if (word == QLatin1String("text") || word == QLatin1String("line") ||
                   word == QLatin1String("box") || word == QLatin1String("picture")) {
            if (report_.bands.empty()) {
                throw LineFault{QStringLiteral("%1 应写在某个 band 之下").arg(word)};
            }
            report_.bands.back().items.push_back(item(word, tokens));
        } else {
            throw LineFault{QStringLiteral("不认识的指令“%1”").arg(head.value)};
        }
    }

    void page(const std::vector<Token>& tokens) {
        if (sawPage_) {
            throw LineFault{QStringLiteral("page 只能写一次")};
        }
        sawPage_ = true;
        const Attributes a(tokens,
                           {QStringLiteral("width"), QStringLiteral("height"), QStringLiteral("margin"),
                            QStringLiteral("margin-left"), QStringLiteral("margin-top"),
                            QStringLiteral("margin-right"), QStringLiteral("margin-bottom")},
                           {}, false);
        report_.pageWidth = a.number(QStringLiteral("width"));
        if (a.value(QStringLiteral("height")).toLower() == QLatin1String("auto")) {
            report_.autoHeight = true;
            report_.pageHeight = 0;
        } else {
            report_.pageHeight = a.number(QStringLiteral("height"));
        }
        if (report_.pageWidth < 10 || (!report_.autoHeight && report_.pageHeight < 10)) {
            throw LineFault{QStringLiteral("纸张至少 10 毫米宽、10 毫米长")};
        }
        const double all = a.number(QStringLiteral("margin"), 2.0);
        report_.marginLeft = a.number(QStringLiteral("margin-left"), all);
        report_.marginTop = a.number(QStringLiteral("margin-top"), all);
        report_.marginRight = a.number(QStringLiteral("margin-right"), all);
        report_.marginBottom = a.number(QStringLiteral("margin-bottom"), all);
        if (report_.marginLeft + report_.marginRight >= report_.pageWidth) {
            throw LineFault{QStringLiteral("左右边距加起来比纸还宽")};
        }
    }

    void band(const std::vector<Token>& tokens) {
        if (tokens.size() < 2 || !tokens[1].key.isEmpty() || tokens[1].quoted) {
            throw LineFault{QStringLiteral("band 后面应写种类：title、header、data 或 summary")};
        }
        static const QHash<QString, ReportBand::Kind> kinds = {
            {QStringLiteral("title"), ReportBand::Kind::Title},
            {QStringLiteral("header"), ReportBand::Kind::Header},
            {QStringLiteral("data"), ReportBand::Kind::Data},
            {QStringLiteral("summary"), ReportBand::Kind::Summary},
        };
        const QString kindWord = tokens[1].value.toLower();
        if (!kinds.contains(kindWord)) {
            throw LineFault{QStringLiteral("不认识的 band 种类“%1”（应为 title、header、data 或 summary）")
                                .arg(tokens[1].value)};
        }
        const ReportBand::Kind kind = kinds.value(kindWord);
        if (report_.band(kind)) {
            throw LineFault{QStringLiteral("band %1 已经有了").arg(kindWord)};
        }
        std::vector<Token> rest(tokens.begin() + 1, tokens.end());
        const Attributes a(rest, {QStringLiteral("height")}, {}, false);
        ReportBand& b = report_.addBand(kind, a.number(QStringLiteral("height")));
        b.sourceLine = lineNo_;
    }

    ReportItem item(const QString& word, const std::vector<Token>& tokens) {
        ReportItem it;
        it.sourceLine = lineNo_;
        const QSet<QString> rect = {QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("w"),
                                    QStringLiteral("h")};
        const QSet<QString> pen = {QStringLiteral("width"), QStringLiteral("color")};
        if (word == QLatin1String("text")) {
            const Attributes a(
                tokens,
                unite(unite(rect, kFontKeys),
                      {QStringLiteral("align"), QStringLiteral("valign"), QStringLiteral("color")}),
                unite(kFontFlags, {QStringLiteral("wrap"), QStringLiteral("frame")}), true);
            it.kind = ReportItem::Kind::Text;
            readRect(a, it);
            if (!a.text()) {
                throw LineFault{QStringLiteral("text 缺少引号中的文字")};
            }
            it.text = *a.text();
            checkPlaceholders(it.text);
            it.font = readFont(a, report_.font);
            it.color = a.color(QStringLiteral("color"), Qt::black);
            it.wrap = a.flag(QStringLiteral("wrap"));
            it.frame = a.flag(QStringLiteral("frame"));
            const QString align = a.value(QStringLiteral("align")).toLower();
            if (align == QLatin1String("center")) {
                it.align = ReportItem::Align::Center;
            } else if (align == QLatin1String("right")) {
                it.align = ReportItem::Align::Right;
            } else if (!align.isEmpty() && align != QLatin1String("left")) {
                throw LineFault{QStringLiteral("align 应为 left、center 或 right")};
            }
            const QString valign = a.value(QStringLiteral("valign")).toLower();
            if (valign == QLatin1String("middle")) {
                it.valign = ReportItem::VAlign::Middle;
            } else if (valign == QLatin1String("bottom")) {
                it.valign = ReportItem::VAlign::Bottom;
            } else if (!valign.isEmpty() && valign != QLatin1String("top")) {
                throw LineFault{QStringLiteral("valign 应为 top、middle 或 bottom")};
            }
        } else if (word == QLatin1String("line")) {
            const Attributes a(tokens,
                               unite({QStringLiteral("x1"), QStringLiteral("y1"), QStringLiteral("x2"),
                                      QStringLiteral("y2")},
                                     pen),
                               {QStringLiteral("dash")}, false);
            it.kind = ReportItem::Kind::Line;
            it.x = a.number(QStringLiteral("x1"));
            it.y = a.number(QStringLiteral("y1"));
            it.x2 = a.number(QStringLiteral("x2"));
            it.y2 = a.number(QStringLiteral("y2"));
            readPen(a, it);
            it.dashed = a.flag(QStringLiteral("dash"));
        } else if (word == QLatin1String("box")) {
            const Attributes a(tokens, unite(unite(rect, pen), {QStringLiteral("fill")}),
                               {QStringLiteral("dash")}, false);
            it.kind = ReportItem::Kind::Box;
            readRect(a, it);
            readPen(a, it);
            it.dashed = a.flag(QStringLiteral("dash"));
            if (a.has(QStringLiteral("fill"))) {
                it.fill = a.color(QStringLiteral("fill"), Qt::white);
            }
        } else {
            const Attributes a(tokens, unite(rect, {QStringLiteral("file")}), {}, false);
            it.kind = ReportItem::Kind::Picture;
            readRect(a, it);
            it.text = a.value(QStringLiteral("file"));
            if (it.text.isEmpty()) {
                throw LineFault{QStringLiteral("picture 缺少 file=\"图片文件\"")};
            }
        }
        return it;
    }

    static void readRect(const Attributes& a, ReportItem& it) {
        it.x = a.number(QStringLiteral("x"));
        it.y = a.number(QStringLiteral("y"));
        it.w = a.number(QStringLiteral("w"));
        it.h = a.number(QStringLiteral("h"));
    }

    static void readPen(const Attributes& a, ReportItem& it) {
        it.penWidth = a.number(QStringLiteral("width"), 0.2);
        it.color = a.color(QStringLiteral("color"), Qt::black);
    }

    // "[名称]" placeholders must close on the same text; "[[" stands for a literal "[".
    static void checkPlaceholders(const QString& text) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text.at(i) != QLatin1Char('[')) {
                continue;
            }
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('[')) {
                ++i;
                continue;
            }
            const qsizetype close = text.indexOf(QLatin1Char(']'), i + 1);
            if (close < 0) {
                throw LineFault{QStringLiteral("“[”没有对应的“]”")};
            }
            if (close == i + 1 || text.mid(i + 1, close - i - 1).trimmed().isEmpty()) {
                throw LineFault{QStringLiteral("“[]”里缺少变量名")};
            }
            i = close;
        }
    }

    ReportTemplate report_;
    QString name_;
    std::vector<TemplateError> errors_;
    int lineNo_ = 0;
    bool sawPage_ = false;
};

}  // namespace

TemplateLoad TemplateParser::parse(const QString& text, const QString& name, const QString& folder) {
    return Parser(name, folder).run(text);
}

TemplateLoad TemplateParser::loadFile(const QString& path) {
    const QFileInfo info(path);
    QFile f(path);
    if (!info.exists()) {
        return {std::nullopt, {{info.fileName(), 0, QStringLiteral("找不到报表模板文件 %1").arg(path)}}};
    }
    if (!f.open(QIODevice::ReadOnly)) {
        return {std::nullopt,
                {{info.fileName(), 0, QStringLiteral("无法读取报表模板：%1").arg(f.errorString())}}};
    }
    if (f.size() > 4 * 1024 * 1024) {
        return {std::nullopt, {{info.fileName(), 0, QStringLiteral("报表模板文件太大")}}};
    }
    return parse(Gbk::decodeUtf8OrGbk(f.readAll()), info.fileName(), info.absolutePath());
}

}  // namespace lanze
