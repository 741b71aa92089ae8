#pragma once

#include <QString>

namespace lanze {

class Database;

// Brings an installed store up to date from the command table of buding.db: every statement whose
// version lies above the store's recorded version and up to the table's highest version is run once,
// in stored order; a failing statement is skipped for good; the recorded version is raised at the end.
class CommandTableUpgrade {
  public:
    struct Result {
        qint64 currentVersion = 0;
        qint64 targetVersion = 0;
        int executed = 0;
        int failed = 0;
        bool commandTableEmpty = false;
    };

    // Versions are compared by the digits of their text with every "." removed; no digits count as 0.
    static qint64 versionNumber(const QString& text);

    // Throws DbError when the patch database cannot be opened or its command table cannot be read; the
    // recorded version is then unchanged.
    static Result run(Database& store, const QString& patchFile);
};

// The fixed statements run after every successful sign-in: they widen columns of old stores (nothing to
// do here, ours are wide already) and fill columns that older stores left empty. Errors reach the caller.
class SignInFixups {
  public:
    static void run(Database& store);
};

}  // namespace lanze
