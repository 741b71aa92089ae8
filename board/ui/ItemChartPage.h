#pragma once

#include <QList>
#include <QWidget>

#include "board/TodayStatistics.h"

class QChartView;
class QScrollArea;

namespace lanze {

// The board's page 今日服务类别柱状图: one red bar per item sold, marked with its name and quantity.
class ItemChartPage : public QWidget {
    Q_OBJECT
  public:
    explicit ItemChartPage(QWidget* parent = nullptr);

    void show(const QList<ItemQuantity>& bars);
    const QList<ItemQuantity>& bars() const { return bars_; }

  private:
    QChartView* view_;
    QScrollArea* scroll_;
    QList<ItemQuantity> bars_;
};

}  // namespace lanze
