#include "board/ui/ItemChartPage.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QVBoxLayout>
#include <QValueAxis>

#include "board/TodayStatistics.h"

namespace lanze {

ItemChartPage::ItemChartPage(QWidget* parent) : QWidget(parent) {
    view_ = new QChartView(this);
    view_->setRenderHint(QPainter::Antialiasing);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    show({});
}

void ItemChartPage::show(const QList<ItemQuantity>& bars) {
    bars_ = bars;
    auto* chart = new QChart;
    chart->setTitle(QStringLiteral("菜品销售情况"));
    chart->legend()->hide();
    auto* set = new QBarSet(QStringLiteral("数量"));
    set->setColor(Qt::red);
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
    chart->addAxis(x, Qt::AlignBottom);
    series->attachAxis(x);
    auto* y = new QValueAxis;
    y->setRange(0, top > 0 ? top * 1.15 : 1);
    y->setLabelFormat(QStringLiteral("%g"));
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(y);
    QChart* old = view_->chart();
    view_->setChart(chart);
    delete old;
}

}  // namespace lanze
