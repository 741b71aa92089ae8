#include "board/ui/TodayPanel.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "board/TodayStatistics.h"

namespace lanze {

TodayPanel::TodayPanel(QWidget* parent) : QGroupBox(QStringLiteral("今日统计"), parent) {
    setObjectName(QStringLiteral("今日统计"));
    auto* grid = new QGridLayout(this);
    refresh_ = new QPushButton(QStringLiteral("刷新"), this);
    grid->addWidget(refresh_, 0, 0, 1, 2);
    const QStringList captions = {QStringLiteral("今日订单："), QStringLiteral("今日订单："),
                                  QStringLiteral("今日工作："), QStringLiteral("未完成工作："),
                                  QStringLiteral("今日收款："), QStringLiteral("今日未收："),
                                  QStringLiteral("今日签单：")};
    for (int i = 0; i < captions.size(); ++i) {
        grid->addWidget(new QLabel(captions[i], this), i + 1, 0);
        auto* value = new QLabel(this);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setStyleSheet(QStringLiteral("font-weight: bold; color: #1d4f91;"));
        grid->addWidget(value, i + 1, 1);
        values_ << value;
    }
    show(TodayFigures{});
}

void TodayPanel::refresh(Database& db, const QDate& businessDay) {
    show(TodayStatistics::compute(db, businessDay));
}

void TodayPanel::show(const TodayFigures& figures) {
    const QStringList texts = figures.texts();
    for (int i = 0; i < values_.size() && i < texts.size(); ++i) {
        values_[i]->setText(texts[i]);
    }
}

QStringList TodayPanel::texts() const {
    QStringList out;
    for (const QLabel* l : values_) {
        out << l->text();
    }
    return out;
}

}  // namespace lanze
