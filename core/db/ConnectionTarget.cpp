#include "core/db/ConnectionTarget.h"

#include <QDir>
#include <QUrl>
#include <QUrlQuery>

#include "core/db/DbError.h"

namespace lanze {

bool ConnectionTarget::looksLikeServerUri(const QString& text) {
    const QString t = text.trimmed();
    return t.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive) ||
           t.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive);
}

ConnectionTarget ConnectionTarget::fromServerUri(const QString& uri) {
    const QUrl url(uri.trimmed(), QUrl::StrictMode);
    if (!url.isValid() || !looksLikeServerUri(uri)) {
        throw DbError(QStringLiteral("无法识别的数据库地址：%1").arg(uri));
    }
    ConnectionTarget t;
    t.engine = Engine::PostgreSQL;
    t.host = url.host().isEmpty() ? QStringLiteral("localhost") : url.host();
    t.port = url.port(5432);
    t.user = url.userName();
    t.password = url.password();
    t.databaseName = url.path().mid(1);
    if (t.databaseName.isEmpty()) {
        throw DbError(QStringLiteral("数据库地址缺少数据库名：%1").arg(uri));
    }
    t.schema = QUrlQuery(url).queryItemValue(QStringLiteral("schema"));
    return t;
}

ConnectionTarget ConnectionTarget::fromSqliteFile(const QString& path) {
    ConnectionTarget t;
    t.engine = Engine::SQLite;
    t.sqliteFile = QDir::cleanPath(QDir().absoluteFilePath(path));
    return t;
}

QString ConnectionTarget::describe() const {
    if (engine == Engine::SQLite) {
        return QDir::toNativeSeparators(sqliteFile);
    }
    QString s = QStringLiteral("postgresql://");
    if (!user.isEmpty()) {
        s += user + QLatin1Char('@');
    }
    s += host + QLatin1Char(':') + QString::number(port) + QLatin1Char('/') + databaseName;
    if (!schema.isEmpty()) {
        s += QStringLiteral("?schema=") + schema;
    }
    return s;
}

}  // namespace lanze
