#include "board/ui/BoardFilterPanel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lanze {

namespace {
QComboBox* comboWith(QWidget* parent, int minWidth) {
    auto* box = new QComboBox(parent);
    box->setEditable(true);
    box->setMinimumWidth(minWidth);
    return box;
}
}  // namespace

BoardFilterPanel::BoardFilterPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("filterPanel"));
    // Two rows, so that the panel fits beside the statistics box on a small screen.
    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(0, 0, 0, 0);
    auto* row = new QHBoxLayout;
    auto* second = new QHBoxLayout;
    rows->addLayout(row);
    rows->addLayout(second);

    auto* parts = new QGroupBox(QStringLiteral("订单显示"), this);
    auto* partsRow = new QHBoxLayout(parts);
    const QStringList partNames = {QStringLiteral("全天"), QStringLiteral("中午"), QStringLiteral("下午"),
                                   QStringLiteral("夜间")};
    for (int i = 0; i < 4; ++i) {
        dayParts_[i] = new QRadioButton(partNames[i], parts);
        dayParts_[i]->setObjectName(partNames[i]);
        partsRow->addWidget(dayParts_[i]);
    }
    dayParts_[0]->setChecked(true);
    row->addWidget(parts);

    auto* dates = new QGroupBox(QStringLiteral("日期"), this);
    auto* datesRow = new QHBoxLayout(dates);
    today_ = new QRadioButton(QStringLiteral("今日业务"), dates);
    range_ = new QRadioButton(QStringLiteral("任意时间段业务从"), dates);
    today_->setChecked(true);
    from_ = new QDateEdit(dates);
    to_ = new QDateEdit(dates);
    for (QDateEdit* d : {from_, to_}) {
        d->setCalendarPopup(true);
        d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        d->setEnabled(false);
    }
    datesRow->addWidget(today_);
    datesRow->addWidget(range_);
    datesRow->addWidget(from_);
    datesRow->addWidget(new QLabel(QStringLiteral("到"), dates));
    datesRow->addWidget(to_);
    // The pickers count only for a range.
    connect(range_, &QRadioButton::toggled, from_, &QWidget::setEnabled);
    connect(range_, &QRadioButton::toggled, to_, &QWidget::setEnabled);
    row->addWidget(dates);

    auto* who = new QGroupBox(QStringLiteral("区域与人员"), this);
    auto* whoRow = new QHBoxLayout(who);
    regionTick_ = new QCheckBox(QStringLiteral("指定区域"), who);
    region_ = comboWith(who, 90);
    workerTick_ = new QCheckBox(QStringLiteral("工作人员"), who);
    worker_ = comboWith(who, 80);
    whoRow->addWidget(regionTick_);
    whoRow->addWidget(region_);
    whoRow->addWidget(workerTick_);
    whoRow->addWidget(worker_);
    row->addStretch();
    second->addWidget(who);

    auto* states = new QGroupBox(QStringLiteral("订单状态"), this);
    auto* statesRow = new QHBoxLayout(states);
    const QStringList stateNames = {QStringLiteral("全部"), QStringLiteral("未派工未交款"),
                                    QStringLiteral("未派工已收款"), QStringLiteral("已派工未收款"),
                                    QStringLiteral("已派工已收款")};
    for (int i = 0; i < 5; ++i) {
        states_[i] = new QRadioButton(stateNames[i], states);
        states_[i]->setObjectName(stateNames[i]);
        statesRow->addWidget(states_[i]);
    }
    states_[0]->setChecked(true);
    second->addWidget(states);

    auto* end = new QVBoxLayout;
    sort_ = new QComboBox(this);
    sort_->addItems({BoardQuery::sortText(BoardSort::OrderNumber), BoardQuery::sortText(BoardSort::Region)});
    auto* sortRow = new QHBoxLayout;
    sortRow->addWidget(new QLabel(QStringLiteral("排序"), this));
    sortRow->addWidget(sort_);
    end->addLayout(sortRow);
    hide_ = new QCheckBox(QStringLiteral("隐藏查询条件"), this);
    end->addWidget(hide_);
    second->addLayout(end);
    second->addStretch();
}

BoardSearch BoardFilterPanel::search() const {
    BoardSearch s;
    s.dateRange = range_->isChecked();
    s.from = from_->date();
    s.to = to_->date();
    if (regionTick_->isChecked()) {
        s.region = region_->currentText();
    }
    if (workerTick_->isChecked()) {
        s.worker = worker_->currentText();
    }
    for (int i = 0; i < 5; ++i) {
        if (states_[i]->isChecked()) {
            s.state = static_cast<StateFilter>(i);
        }
    }
    return s;
}

DayPart BoardFilterPanel::dayPart() const {
    for (int i = 0; i < 4; ++i) {
        if (dayParts_[i]->isChecked()) {
            return static_cast<DayPart>(i);
        }
    }
    return DayPart::AllDay;
}

void BoardFilterPanel::setDayPart(DayPart part) {
    dayParts_[static_cast<int>(part)]->setChecked(true);
}

BoardSort BoardFilterPanel::sort() const {
    return BoardQuery::sortFromText(sort_->currentText()).value_or(BoardSort::OrderNumber);
}

void BoardFilterPanel::setDates(const QDate& date) {
    from_->setDate(date);
    to_->setDate(date);
}

void BoardFilterPanel::setStaff(const QStringList& names) {
    const QString keep = worker_->currentText();
    worker_->clear();
    worker_->addItems(names);
    worker_->setCurrentText(names.contains(keep) ? keep : names.value(0));
}

void BoardFilterPanel::setRegions(const QStringList& regions) {
    const QString keep = region_->currentText();
    region_->clear();
    region_->addItems(regions);
    region_->setCurrentText(regions.contains(keep) ? keep : regions.value(0));
}

void BoardFilterPanel::setDispatchUsed(bool used) {
    // Hidden radios give up their place, so 已派工未收款 moves left into it.
    for (StateFilter s : {StateFilter::NotDispatchedUnpaid, StateFilter::NotDispatchedPaid}) {
        QRadioButton* r = stateRadio(s);
        if (!used && r->isChecked()) {
            states_[0]->setChecked(true);
        }
        r->setVisible(used);
    }
}

QRadioButton* BoardFilterPanel::stateRadio(StateFilter state) const {
    return states_[static_cast<int>(state)];
}

}  // namespace lanze
