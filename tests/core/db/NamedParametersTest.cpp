#include <gtest/gtest.h>

#include "core/db/NamedParameters.h"

using namespace lanze;

struct RewriteCase {
    const char* sql;
    const char* expectedSql;
    QStringList expectedNames;
};

class NamedParametersTest : public testing::TestWithParam<RewriteCase> {};

TEST_P(NamedParametersTest, RewritesToPositionalMarkers) {
    const RewriteCase& c = GetParam();
    const auto out = NamedParameters::rewrite(QString::fromUtf8(c.sql), Dialect(Engine::SQLite));
    EXPECT_EQ(out.sql, QString::fromUtf8(c.expectedSql));
    EXPECT_EQ(out.names, c.expectedNames);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NamedParametersTest,
    testing::Values(RewriteCase{"select * from 客户资料 where 联系电话=:联系电话",
                                "select * from 客户资料 where 联系电话=?",
                                {QStringLiteral("联系电话")}},
                    // A name that is the prefix of another is a different parameter.
                    RewriteCase{"update t set a=:联系, b=:联系电话 where c=:联系",
                                "update t set a=?, b=? where c=?",
                                {QStringLiteral("联系"), QStringLiteral("联系电话"), QStringLiteral("联系")}},
                    // Colons inside quoted strings and quoted names are text, not parameters.
                    RewriteCase{"select '12:30:00' as t, \"a:b\" from x where y=:djbh and z='it''s :no'",
                                "select '12:30:00' as t, \"a:b\" from x where y=? and z='it''s :no'",
                                {QStringLiteral("djbh")}},
                    RewriteCase{"select a::text from x where b=:sj1 and c=:sj2",
                                "select a::text from x where b=? and c=?",
                                {QStringLiteral("sj1"), QStringLiteral("sj2")}},
                    RewriteCase{"select 1 -- note :x\nfrom t", "select 1 -- note :x\nfrom t", {}}));

TEST(NamedParametersDialect, LikeBecomesCaseInsensitiveOnTheServer) {
    const auto pg = NamedParameters::rewrite(
        QStringLiteral("select * from t where 名称 LIKE :名称 and unlikely=1"), Dialect(Engine::PostgreSQL));
    EXPECT_EQ(pg.sql, QStringLiteral("select * from t where 名称 ilike ? and unlikely=1"));
    const auto lite = NamedParameters::rewrite(QStringLiteral("select * from t where 名称 like :名称"),
                                               Dialect(Engine::SQLite));
    EXPECT_EQ(lite.sql, QStringLiteral("select * from t where 名称 like ?"));
}
