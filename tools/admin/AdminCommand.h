#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <functional>
#include <memory>
#include <vector>

namespace lanze {

class Database;

// One verb of lanze-admin. Each verb lives in its own file and is listed in AdminCommands.cpp.
struct AdminCommand {
    QString name;
    QString usage;  // the line shown by --help
    // Returns the process exit status; prints to out and err.
    std::function<int(const QStringList& args, QTextStream& out, QTextStream& err)> run;
};

const std::vector<AdminCommand>& adminCommands();

// Shared by the verbs: "DIR" (a store folder, its moshi.ini decides the database) or a server URI.
// Throws DbError when the store cannot be opened.
std::unique_ptr<Database> openStoreArgument(const QString& dirOrUri);
// Takes "--name VALUE" out of args; returns fallback when absent. Throws std::invalid_argument when the
// option is last with no value.
QString takeOption(QStringList& args, const QString& name, const QString& fallback = QString());
bool takeFlag(QStringList& args, const QString& name);

// Verbs kept in files of their own.
int generateCommand(const QStringList& args, QTextStream& out, QTextStream& err);

}  // namespace lanze
