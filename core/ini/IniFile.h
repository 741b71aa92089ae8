#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace lanze {

// An INI file that keeps section and key names exactly as written (Chinese included), in their order.
// Reads UTF-8, or GBK when the file is not valid UTF-8 (files written by older stations); writes UTF-8.
// A line that is neither a section, a key=value pair, a comment nor blank is skipped.
class IniFile {
  public:
    static IniFile load(const QString& path);
    static IniFile parse(const QByteArray& bytes);

    bool contains(const QString& section, const QString& key) const;
    QString value(const QString& section, const QString& key, const QString& fallback = QString()) const;
    void setValue(const QString& section, const QString& key, const QString& value);
    QStringList sections() const;

    QByteArray toBytes() const;
    // Writes through a temporary file and a rename, so a crash never leaves half a file. Returns false
    // with a reason when the file cannot be written.
    bool save(const QString& path, QString* error = nullptr) const;

    int skippedLines() const { return skippedLines_; }

  private:
    struct Entry {
        QString key;
        QString value;
    };
    struct Section {
        QString name;
        std::vector<Entry> entries;
    };
    Section* findSection(const QString& name);
    const Section* findSection(const QString& name) const;

    std::vector<Section> sections_;
    int skippedLines_ = 0;
};

}  // namespace lanze
