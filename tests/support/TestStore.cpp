#include "tests/support/TestStore.h"

#include <QDir>
#include <QRandomGenerator>
#include <QUuid>

#include "core/db/DbError.h"
#include "core/db/Query.h"
#include "core/store/StoreCreator.h"

namespace lanze::test {

QString serverUri() {
    return qEnvironmentVariable("LANZE_TEST_PG");
}

std::vector<Engine> testEngines() {
    return {Engine::SQLite, Engine::PostgreSQL};
}

QString engineName(const testing::TestParamInfo<Engine>& info) {
    return info.param == Engine::SQLite ? QStringLiteral("SQLite") : QStringLiteral("PostgreSQL");
}

void EngineTest::SetUp() {
    if (GetParam() == Engine::PostgreSQL && serverUri().isEmpty()) {
        GTEST_SKIP() << "LANZE_TEST_PG is not set: no PostgreSQL server for this run";
    }
}

void StoreTest::SetUp() {
    EngineTest::SetUp();
    if (!IsSkipped()) {
        store = std::make_unique<TestStore>(GetParam());
    }
}

qint64 StoreTest::countRows(const QString& tableAndWhere) {
    Query q(db(), QStringLiteral("select count(*) as cc from ") + tableAndWhere);
    EXPECT_TRUE(q.first());
    return q.integer(QStringLiteral("cc"));
}

ScratchDatabase::ScratchDatabase(Engine engine) {
    if (engine == Engine::SQLite) {
        target_ = ConnectionTarget::fromSqliteFile(QDir(dir_.path()).filePath(QStringLiteral("db1.db")));
        db_ = Database::open(target_, Database::OpenMode::Create);
        return;
    }
    target_ = ConnectionTarget::fromServerUri(serverUri());
    schema_ = QStringLiteral("t_") + QUuid::createUuid().toString(QUuid::Id128).left(16);
    {
        auto admin = Database::open(target_);
        admin->execute(QStringLiteral("create schema %1").arg(schema_));
    }
    target_.schema = schema_;
    db_ = Database::open(target_);
}

ScratchDatabase::~ScratchDatabase() {
    db_.reset();
    if (!schema_.isEmpty()) {
        try {
            ConnectionTarget t = target_;
            t.schema.clear();
            auto admin = Database::open(t);
            admin->execute(QStringLiteral("drop schema %1 cascade").arg(schema_));
        } catch (const DbError&) {
            // A schema left behind only costs space on the throw-away test server.
        }
    }
}

std::unique_ptr<Database> ScratchDatabase::openAnother() const {
    return Database::open(target_);
}

TestStore::TestStore(Engine engine) : ScratchDatabase(engine) {
    StoreCreator::createDatabase(db());
}

}  // namespace lanze::test
