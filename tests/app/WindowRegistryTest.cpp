#include <gtest/gtest.h>
#include <QSet>
#include <QWidget>

#include <stdexcept>

#include "app/ui/WindowRegistry.h"

using namespace lanze;

TEST(WindowRegistry, CatalogueNamesEveryLongLivedWindowOnceWithTheMainWindowFirst) {
    const QStringList& names = WindowRegistry::catalogue();
    EXPECT_EQ(names.size(), 75);
    EXPECT_EQ(QSet<QString>(names.begin(), names.end()).size(), names.size());
    EXPECT_EQ(names.first(), WindowRegistry::kMainWindow);
    EXPECT_EQ(names.last(), QStringLiteral("TFgongzuo_moshi"));
}

TEST(WindowRegistry, MakesAWindowOnFirstUseAndHandsOutTheSameOneAfterwards) {
    WindowRegistry windows;
    int made = 0;
    QWidget* parentSeen = reinterpret_cast<QWidget*>(1);
    ASSERT_TRUE(windows.add(QStringLiteral("Tmain"), [&](QWidget* parent) {
        ++made;
        parentSeen = parent;
        return new QWidget(parent);
    }));
    EXPECT_FALSE(windows.isCreated(QStringLiteral("Tmain")));
    QWidget* first = windows.window(QStringLiteral("Tmain"));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(windows.window(QStringLiteral("Tmain")), first);
    EXPECT_EQ(made, 1);
    EXPECT_EQ(parentSeen, nullptr);

    // The other windows hang under the main window once it is known.
    windows.setParentWindow(first);
    windows.add(QStringLiteral("Tabout"), [&](QWidget* parent) {
        parentSeen = parent;
        return new QWidget(parent);
    });
    QWidget* about = windows.window(QStringLiteral("Tabout"));
    EXPECT_EQ(parentSeen, first);
    EXPECT_EQ(windows.window(QStringLiteral("Tabout")), about);
}

TEST(WindowRegistry, UnknownAndNotYetBuiltNamesGiveNoWindow) {
    WindowRegistry windows;
    EXPECT_FALSE(windows.add(QStringLiteral("Tnowhere"), [](QWidget* p) { return new QWidget(p); }));
    EXPECT_EQ(windows.window(QStringLiteral("Tnowhere")), nullptr);
    EXPECT_TRUE(windows.knows(QStringLiteral("Tabout")));
    EXPECT_FALSE(windows.isBuilt(QStringLiteral("Tabout")));
    EXPECT_EQ(windows.window(QStringLiteral("Tabout")), nullptr);
    EXPECT_EQ(windows.notBuilt().size(), WindowRegistry::catalogue().size());
}

TEST(WindowRegistry, AFailedCreationKeepsNothingAndMayBeTriedAgain) {
    WindowRegistry windows;
    bool fail = true;
    windows.add(QStringLiteral("Tabout"), [&](QWidget* p) -> QWidget* {
        if (fail) {
            throw std::runtime_error("no printer driver");
        }
        return new QWidget(p);
    });
    EXPECT_THROW(windows.window(QStringLiteral("Tabout")), std::runtime_error);
    EXPECT_FALSE(windows.isCreated(QStringLiteral("Tabout")));
    fail = false;
    EXPECT_NE(windows.window(QStringLiteral("Tabout")), nullptr);
}

TEST(WindowRegistry, AWindowClosedForGoodIsMadeAgain) {
    WindowRegistry windows;
    windows.add(QStringLiteral("Tabout"), [](QWidget* p) { return new QWidget(p); });
    delete windows.window(QStringLiteral("Tabout"));
    EXPECT_FALSE(windows.isCreated(QStringLiteral("Tabout")));
    EXPECT_NE(windows.window(QStringLiteral("Tabout")), nullptr);
}
