#include "core/ini/IniFile.h"

#include <QFile>
#include <QSaveFile>

#include "core/text/Gbk.h"

namespace lanze {

IniFile IniFile::load(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        return IniFile();
    }
    return parse(f.readAll());
}

IniFile IniFile::parse(const QByteArray& bytes) {
    IniFile ini;
    QString text = Gbk::decodeUtf8OrGbk(bytes);
    if (text.startsWith(QChar(0xFEFF))) {
        text.remove(0, 1);
    }
    Section* current = nullptr;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (QString line : lines) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#'))) {
            continue;
        }
        if (line.startsWith(QLatin1Char('['))) {
            const qsizetype close = line.indexOf(QLatin1Char(']'));
            if (close < 0) {
                ++ini.skippedLines_;
                current = nullptr;  // keys below a broken header belong to no known section
                continue;
            }
            const QString name = line.mid(1, close - 1).trimmed();
            current = ini.findSection(name);
            if (!current) {
                ini.sections_.push_back({name, {}});
                current = &ini.sections_.back();
            }
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0 || !current) {
            ++ini.skippedLines_;
            continue;
        }
        const QString key = line.left(eq).trimmed();
        const QString value = line.mid(eq + 1).trimmed();
        bool replaced = false;
        for (auto& e : current->entries) {
            if (e.key == key) {
                e.value = value;
                replaced = true;
            }
        }
        if (!replaced) {
            current->entries.push_back({key, value});
        }
    }
    return ini;
}

IniFile::Section* IniFile::findSection(const QString& name) {
    for (auto& s : sections_) {
        if (s.name.compare(name, Qt::CaseInsensitive) == 0) {
            return &s;
        }
    }
    return nullptr;
}

const IniFile::Section* IniFile::findSection(const QString& name) const {
    return const_cast<IniFile*>(this)->findSection(name);
}

bool IniFile::contains(const QString& section, const QString& key) const {
    const Section* s = findSection(section);
    if (!s) {
        return false;
    }
    for (const auto& e : s->entries) {
        if (e.key.compare(key, Qt::CaseInsensitive) == 0) {
            return true;
        }
    }
    return false;
}

QString IniFile::value(const QString& section, const QString& key, const QString& fallback) const {
    const Section* s = findSection(section);
    if (s) {
        for (const auto& e : s->entries) {
            if (e.key.compare(key, Qt::CaseInsensitive) == 0) {
                return e.value;
            }
        }
    }
    return fallback;
}

void IniFile::setValue(const QString& section, const QString& key, const QString& value) {
    Section* s = findSection(section);
    if (!s) {
        sections_.push_back({section, {}});
        s = &sections_.back();
    }
    for (auto& e : s->entries) {
        if (e.key.compare(key, Qt::CaseInsensitive) == 0) {
            e.value = value;
            return;
        }
    }
    s->entries.push_back({key, value});
}

QStringList IniFile::sections() const {
    QStringList out;
    for (const auto& s : sections_) {
        out << s.name;
    }
    return out;
}

namespace {
// A line break inside a name or value (a text pasted into a one-line box) would start a line of its
// own, and could even start a section that overrides another setting: it is written as a blank.
QString oneLine(QString text) {
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}
}  // namespace

QByteArray IniFile::toBytes() const {
    QString text;
    for (const auto& s : sections_) {
        text += QLatin1Char('[') + oneLine(s.name) + QStringLiteral("]\n");
        for (const auto& e : s.entries) {
            text += oneLine(e.key) + QLatin1Char('=') + oneLine(e.value) + QLatin1Char('\n');
        }
        text += QLatin1Char('\n');
    }
    return text.toUtf8();
}

bool IniFile::save(const QString& path, QString* error) const {
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(toBytes()) < 0 || !f.commit()) {
        if (error) {
            *error = f.errorString();
        }
        return false;
    }
    return true;
}

}  // namespace lanze
