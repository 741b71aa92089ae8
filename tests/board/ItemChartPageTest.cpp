#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTest>

#include "board/ui/ItemChartPage.h"

using namespace lanze;

// A busy day sells more items than fit on the page and the chart scrolls sideways; its title must stay
// in sight whatever the width of the chart.
TEST(ItemChartPageTest, TitleStaysInSightWhenTheChartScrollsSideways) {
    for (int items : {3, 120}) {
        ItemChartPage page;
        page.resize(600, 400);
        page.QWidget::show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
        QList<ItemQuantity> bars;
        for (int i = 0; i < items; ++i) {
            bars.append({QStringLiteral("菜%1").arg(i), double(i % 7 + 1)});
        }
        page.show(bars);
        QApplication::processEvents();

        const QList<QLabel*> titles = [&] {
            QList<QLabel*> out;
            for (QLabel* l : page.findChildren<QLabel*>()) {
                if (l->text() == QStringLiteral("菜品销售情况") && l->isVisible()) {
                    out << l;
                }
            }
            return out;
        }();
        ASSERT_EQ(titles.size(), 1) << items;
        const QRect onPage(titles[0]->mapTo(&page, QPoint(0, 0)), titles[0]->size());
        EXPECT_TRUE(page.rect().contains(onPage)) << items;
        EXPECT_EQ(page.bars().size(), items);
    }
}
