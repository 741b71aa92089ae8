#include "core/db/NamedParameters.h"

namespace lanze {

namespace {
bool isNameChar(QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

bool isWordAt(const QString& sql, qsizetype i, QLatin1StringView word) {
    if (i > 0 && isNameChar(sql[i - 1])) {
        return false;
    }
    const qsizetype end = i + word.size();
    if (end > sql.size() || QStringView(sql).mid(i, word.size()).compare(word, Qt::CaseInsensitive) != 0) {
        return false;
    }
    return end == sql.size() || !isNameChar(sql[end]);
}
}  // namespace

PositionalStatement NamedParameters::rewrite(const QString& sql, const Dialect& dialect) {
    PositionalStatement out;
    out.sql.reserve(sql.size());
    const QString like = dialect.caseInsensitiveLike();
    const qsizetype n = sql.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = sql[i];
        if (c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('`') ||
            c == QLatin1Char('[')) {
            // Copy a quoted string or identifier through its closing quote; a doubled quote stays inside.
            const QChar close = c == QLatin1Char('[') ? QLatin1Char(']') : c;
            qsizetype j = i + 1;
            while (j < n) {
                if (sql[j] == close) {
                    if (close != QLatin1Char(']') && j + 1 < n && sql[j + 1] == close) {
                        j += 2;
                        continue;
                    }
                    break;
                }
                ++j;
            }
            const qsizetype end = j < n ? j + 1 : n;
            out.sql += QStringView(sql).mid(i, end - i);
            i = end;
        } else if (c == QLatin1Char('-') && i + 1 < n && sql[i + 1] == QLatin1Char('-')) {
            qsizetype j = sql.indexOf(QLatin1Char('\n'), i);
            if (j < 0) {
                j = n;
            }
            out.sql += QStringView(sql).mid(i, j - i);
            i = j;
        } else if (c == QLatin1Char(':') && i + 1 < n && sql[i + 1] == QLatin1Char(':')) {
            out.sql += QLatin1String("::");
            i += 2;
        } else if (c == QLatin1Char(':') && i + 1 < n && isNameChar(sql[i + 1])) {
            qsizetype j = i + 1;
            while (j < n && isNameChar(sql[j])) {
                ++j;
            }
            out.names.append(sql.mid(i + 1, j - i - 1));
            out.sql += QLatin1Char('?');
            i = j;
        } else if ((c == QLatin1Char('l') || c == QLatin1Char('L')) &&
                   isWordAt(sql, i, QLatin1String("like"))) {
            out.sql += like;
            i += 4;
        } else {
            out.sql += c;
            ++i;
        }
    }
    return out;
}

}  // namespace lanze
