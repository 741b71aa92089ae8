#include <QDir>
#include <QFileInfo>
#include <stdexcept>

#include "core/db/ConnectionTarget.h"
#include "core/db/Database.h"
#include "core/db/DbError.h"
#include "core/db/Schema.h"
#include "core/store/CommandTableUpgrade.h"
#include "core/store/StoreCreator.h"
#include "core/store/StoreFiles.h"
#include "core/store/WorkMode.h"
#include "tools/admin/AdminCommand.h"

namespace lanze {

int renderTemplate(const QStringList& args, QTextStream& out, QTextStream& err);

std::unique_ptr<Database> openStoreArgument(const QString& dirOrUri) {
    if (ConnectionTarget::looksLikeServerUri(dirOrUri)) {
        return Database::open(ConnectionTarget::fromServerUri(dirOrUri));
    }
    if (!QFileInfo(dirOrUri).isDir()) {
        throw DbError(QStringLiteral("没有这个店铺目录：%1").arg(dirOrUri));
    }
    return Database::open(WorkMode::read(dirOrUri).databaseTarget(dirOrUri));
}

QString takeOption(QStringList& args, const QString& name, const QString& fallback) {
    const qsizetype i = args.indexOf(name);
    if (i < 0) {
        return fallback;
    }
    if (i + 1 >= args.size()) {
        throw std::invalid_argument((name + QStringLiteral(" 后面缺少值")).toStdString());
    }
    const QString value = args.at(i + 1);
    args.remove(i, 2);
    return value;
}

bool takeFlag(QStringList& args, const QString& name) {
    return args.removeAll(name) > 0;
}

namespace {

int create(const QStringList& argsIn, QTextStream& out, QTextStream& err) {
    QStringList args = argsIn;
    const QString password =
        takeOption(args, QStringLiteral("--admin-password"), StoreCreator::kInitialPassword);
    const QString uri = takeOption(args, QStringLiteral("--database"));
    if (password.isEmpty()) {
        err << "管理员密码不能为空\n";
        return 2;
    }
    if (!uri.isEmpty()) {
        if (!args.isEmpty()) {
            err << "用法：lanze-admin create --database URI\n";
            return 2;
        }
        auto db = Database::open(ConnectionTarget::fromServerUri(uri));
        StoreCreator::createDatabase(*db, password);
        out << "已在 " << db->target().describe() << " 建立新店铺数据库\n";
        return 0;
    }
    if (args.size() != 1) {
        err << "用法：lanze-admin create DIR [--admin-password P]\n";
        return 2;
    }
    const QString dir = QDir::cleanPath(QDir().absoluteFilePath(args.first()));
    StoreCreator::createFolder(dir, password);
    out << "已建立新店铺：" << QDir::toNativeSeparators(dir) << "\n";
    return 0;
}

int check(const QStringList& args, QTextStream& out, QTextStream& err) {
    if (args.size() != 1) {
        err << "用法：lanze-admin check DIR|URI\n";
        return 2;
    }
    auto db = openStoreArgument(args.first());
    const QStringList missing = Schema::missing(*db);
    for (const QString& m : missing) {
        out << "缺少" << m << "\n";
    }
    if (missing.isEmpty()) {
        out << "数据库结构完整：" << db->target().describe() << "\n";
        return 0;
    }
    return 1;
}

int upgrade(const QStringList& argsIn, QTextStream& out, QTextStream& err) {
    QStringList args = argsIn;
    QString patch = takeOption(args, QStringLiteral("--patch"));
    if (args.size() != 1) {
        err << "用法：lanze-admin upgrade DIR|URI [--patch buding.db]\n";
        return 2;
    }
    const QString target = args.first();
    if (patch.isEmpty()) {
        patch = QFileInfo(target).isDir() ? QDir(target).filePath(StoreFiles::kPatchDatabase)
                                          : StoreFiles::kPatchDatabase;
    }
    auto db = openStoreArgument(target);
    const auto r = CommandTableUpgrade::run(*db, patch);
    out << "版本 " << r.currentVersion << " → " << r.targetVersion << "：执行 " << r.executed << " 条，失败 "
        << r.failed << " 条\n";
    return 0;
}

}  // namespace

const std::vector<AdminCommand>& adminCommands() {
    static const std::vector<AdminCommand> all = {
        {QStringLiteral("create"),
         QStringLiteral("create DIR [--admin-password P] | create --database URI [--admin-password P]"),
         create},
        {QStringLiteral("check"), QStringLiteral("check DIR|URI"), check},
        {QStringLiteral("upgrade"), QStringLiteral("upgrade DIR|URI [--patch buding.db]"), upgrade},
        {QStringLiteral("generate"),
         QStringLiteral("generate DIR|URI --days N [--customers N] [--seed S] [--orders-per-day N] [--until "
                        "yyyy-MM-dd]"),
         generateCommand},
        {QStringLiteral("render"),
         QStringLiteral("render FILE --pdf OUT [--lines N] [--item-height H] | render --receipt "
                        "normal|copy1|copy2|copy3|kitchen --width 58|76 --pdf OUT [--lines N]"),
         renderTemplate},
    };
    return all;
}

}  // namespace lanze
