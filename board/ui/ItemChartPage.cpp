#include "board/ui/ItemChartPage.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QValueAxis>

#include "board/TodayStatistics.h"

namespace lanze {

namespace {
constexpr int kBarWidth = 34;  // pixels per item: room for the quantity over the bar
}

ItemChartPage::ItemChartPage(QWidget* parent) : QWidget(parent) {
    // The title sits above the scrolling chart: centred over a chart many screens wide it would be out
    // of sight on a busy day.
    auto* title = new QLabel(QStringLiteral("菜品销售情况"), this);
    title->setObjectName(QStringLiteral("chartTitle"));
    title->setAlignment(Qt::AlignCenter);
    title->setStyleSheet(QStringLiteral("font-weight: bold; padding: 3px;"));
    view_ = new QChartView;
    view_->setRenderHint(QPainter::Antialiasing);
    // A busy day sells more items than fit side by side: the chart widens and scrolls sideways.
    scroll_ = new QScrollArea(this);
    scroll_->setWidgetResizable(true);
    scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setWidget(view_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(title);
    layout->addWidget(scroll_, 1);
    show({});
}

void ItemChartPage::show(const QList<ItemQuantity>& bars) {
    bars_ = bars;
    auto* chart = new QChart;
    chart->legend()->hide();
    auto* set = new QBarSet(QStringLiteral("数量"));
    set->setColor(Qt::red);
    set->setLabelColor(Qt::black);  // the quantity sits above the bar, on the white plot
    QStringList labels;
    double top = 0;
    for (const ItemQuantity& b : bars) {
        *set << b.quantity;
        labels << b.item;
        top = std::max(top, b.quantity);
    }
    auto* series = new QBarSeries;
    series->append(set);
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    series->setLabelsFormat(QStringLiteral("@value"));
    chart->addSeries(series);
    auto* x = new QBarCategoryAxis;
    x->append(labels);
    x->setLabelsAngle(labels.size() > 12 ? -60 : 0);
    x->setTruncateLabels(false);
    chart->addAxis(x, Qt::AlignBottom);
    series->attachAxis(x);
    auto* y = new QValueAxis;
    y->setRange(0, top > 0 ? top * 1.15 : 1);
    y->applyNiceNumbers();
    y->setLabelFormat(QStringLiteral("%g"));
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(y);
    QChart* old = view_->chart();
    view_->setChart(chart);
    delete old;
    view_->setMinimumWidth(std::max(400, int(bars.size()) * kBarWidth + 120));
}

}  // namespace lanze
