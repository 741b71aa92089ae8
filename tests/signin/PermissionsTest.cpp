#include <gtest/gtest.h>
#include <QAction>

#include "signin/Permissions.h"

using namespace lanze;

TEST(Permissions, GroupsHoldTheirPermissionsInOrderWithoutGaps) {
    const int sizes[] = {7, 11, 8, 6, 2};
    for (int g = 1; g <= Permissions::kGroups; ++g) {
        const auto group = Permissions::group(g);
        ASSERT_EQ(group.size(), sizes[g - 1]) << g;
        for (int i = 0; i < group.size(); ++i) {
            EXPECT_EQ(group[i].position, i + 1) << group[i].name.toStdString();
        }
        EXPECT_EQ(Permissions::groupOf(Permissions::groupText(g)), g);
    }
    EXPECT_EQ(Permissions::groupOf(QStringLiteral("admin")), 0);
    // Looking a permission up by its name must find its own row.
    for (const auto& e : Permissions::table()) {
        EXPECT_EQ(Permissions::entry(e.permission).name, e.name);
    }
}

TEST(Permissions, TheFlagDecidesAndMissingCharactersRefuse) {
    QString rights[Permissions::kStrings];
    rights[1] = QStringLiteral("0001");  // Right2: only 签单 of the first four
    rights[3] = QStringLiteral("1");     // Right4 shorter than its group of six
    struct Case {
        Permission p;
        bool granted;
    } cases[] = {
        {Permission::Order, false},         {Permission::CreditBill, true},
        {Permission::DeleteOrder, false},   {Permission::FreeItem, false},
        {Permission::SystemSettings, true}, {Permission::DataInitialisation, false},
        {Permission::ServiceItems, false},  {Permission::About, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Permissions::granted(rights, c.p), c.granted) << Permissions::entry(c.p).name.toStdString();
    }
    // Only "0" refuses.
    EXPECT_TRUE(Permissions::flag(QStringLiteral("x"), 1));
    EXPECT_FALSE(Permissions::flag(QStringLiteral("1"), 0));
}

TEST(Permissions, ApplyEnablesEveryCarrierOfAGrantedCommandAndDisablesTheRefused) {
    QAction menuItem(QStringLiteral("系统设置")), toolButton(QStringLiteral("系统设置")),
        about(QStringLiteral("关于"));
    QString rights[Permissions::kStrings];
    rights[3] = QStringLiteral("0") + QString(30, QLatin1Char('1'));
    rights[4] = QStringLiteral("11");
    menuItem.setEnabled(true);
    about.setEnabled(false);
    Permissions::apply(rights, [&](const Command& c) -> QList<QObject*> {
        if (c == Command{Command::Place::MenuItem, QStringLiteral("系统设置")}) {
            return {&menuItem};
        }
        if (c == Command{Command::Place::ToolButton, QStringLiteral("系统设置")}) {
            return {&toolButton};
        }
        if (c == Command{Command::Place::MenuItem, QStringLiteral("关于")}) {
            return {&about};
        }
        return {};
    });
    EXPECT_FALSE(menuItem.isEnabled());
    EXPECT_FALSE(toolButton.isEnabled());
    EXPECT_TRUE(about.isEnabled());
}
