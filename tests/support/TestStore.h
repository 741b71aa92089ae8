#pragma once

#include <gtest/gtest.h>
#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <ostream>

#include "core/db/Database.h"

namespace lanze {
// Names the engine in test output instead of its bytes.
inline void PrintTo(Engine e, std::ostream* os) {
    *os << (e == Engine::SQLite ? "SQLite" : "PostgreSQL");
}
}  // namespace lanze

namespace lanze::test {

// The engines a data test runs on. PostgreSQL runs when LANZE_TEST_PG holds a server URI
// (postgresql://user@127.0.0.1:port/db); otherwise those cases are skipped, visibly.
std::vector<Engine> testEngines();
QString engineName(const testing::TestParamInfo<Engine>& info);
QString serverUri();

// A fresh, empty database on the chosen engine: a temporary SQLite file, or a new schema of its own on
// the test server, dropped again at the end.
class ScratchDatabase {
  public:
    explicit ScratchDatabase(Engine engine);
    ~ScratchDatabase();

    Database& db() { return *db_; }
    // Another connection to the same database (a second station).
    std::unique_ptr<Database> openAnother() const;
    const ConnectionTarget& target() const { return target_; }
    QString folder() const { return dir_.path(); }

  private:
    QTemporaryDir dir_;
    ConnectionTarget target_;
    std::unique_ptr<Database> db_;
    QString schema_;
};

// A new store (every table, the seeded rows, the admin operator) on the chosen engine.
class TestStore : public ScratchDatabase {
  public:
    explicit TestStore(Engine engine);
};

// Base for tests that run once per engine: TEST_P(MyTest, ...) with INSTANTIATE_ENGINES(MyTest).
class EngineTest : public testing::TestWithParam<Engine> {
  protected:
    void SetUp() override;
};

// Base for tests on a new store, once per engine: store->db() (or db()) is ready in every test.
class StoreTest : public EngineTest {
  protected:
    void SetUp() override;
    Database& db() { return store->db(); }
    // The count(*) of a statement's rows, for checking what a command wrote.
    qint64 countRows(const QString& tableAndWhere);

    std::unique_ptr<TestStore> store;
};

}  // namespace lanze::test

#define INSTANTIATE_ENGINES(Suite)                                                          \
    INSTANTIATE_TEST_SUITE_P(Engines, Suite, testing::ValuesIn(lanze::test::testEngines()), \
                             [](const testing::TestParamInfo<lanze::Engine>& i) {           \
                                 return lanze::test::engineName(i).toStdString();           \
                             })
