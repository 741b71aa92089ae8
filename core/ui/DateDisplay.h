#pragma once

#include <QDateTime>
#include <QLabel>

namespace lanze {

// The date display of the main window: the Gregorian date and weekday with the Chinese lunar date
// beside it ("2026年02月17日 星期二  农历丙午年正月初一").
class DateDisplay : public QLabel {
    Q_OBJECT
  public:
    explicit DateDisplay(QWidget* parent = nullptr);

    void setDateTime(const QDateTime& moment);
    const QDateTime& dateTime() const { return moment_; }

    static QString textFor(const QDate& date);

  private:
    QDateTime moment_;
};

}  // namespace lanze
