#include "core/ui/DateDisplay.h"

#include "core/types/LunarDate.h"

namespace lanze {

namespace {
const QString kWeekdays = QStringLiteral("一二三四五六日");
}

DateDisplay::DateDisplay(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("dateDisplay"));
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setStyleSheet(
        QStringLiteral("QLabel#dateDisplay { color: #8b1a1a; font-weight: bold; padding: 0 6px; }"));
}

QString DateDisplay::textFor(const QDate& date) {
    QString text = date.toString(QStringLiteral("yyyy年MM月dd日")) + QStringLiteral(" 星期") +
                   kWeekdays.at(date.dayOfWeek() - 1);
    const LunarDate lunar = LunarDate::of(date);
    if (lunar.isValid()) {
        text += QStringLiteral("  农历") + lunar.text() + QStringLiteral("（") + lunar.zodiac() +
                QStringLiteral("年）");
    }
    return text;
}

void DateDisplay::setDateTime(const QDateTime& moment) {
    moment_ = moment;
    setText(textFor(moment.date()));
    setToolTip(moment.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
}

}  // namespace lanze
