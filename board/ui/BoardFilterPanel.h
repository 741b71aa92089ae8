#pragma once

#include <QDate>
#include <QWidget>

#include "board/BoardQuery.h"
#include "board/BusinessDay.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QRadioButton;

namespace lanze {

// The filter panel of the order board: the day part, the date range, region, worker, order state and
// sort. The day-part radios and the sort box count for every refresh; the rest only for 查询.
class BoardFilterPanel : public QWidget {
    Q_OBJECT
  public:
    explicit BoardFilterPanel(QWidget* parent = nullptr);

    BoardSearch search() const;
    DayPart dayPart() const;
    void setDayPart(DayPart part);
    BoardSort sort() const;

    void setDates(const QDate& date);
    void setStaff(const QStringList& names);
    void setRegions(const QStringList& regions);
    // A station that does not dispatch has no undispatched states to pick.
    void setDispatchUsed(bool used);

    QCheckBox* hideTick() const { return hide_; }
    QRadioButton* stateRadio(StateFilter state) const;

  private:
    QRadioButton* dayParts_[4];
    QRadioButton* today_;
    QRadioButton* range_;
    QDateEdit* from_;
    QDateEdit* to_;
    QCheckBox* regionTick_;
    QComboBox* region_;
    QCheckBox* workerTick_;
    QComboBox* worker_;
    QRadioButton* states_[5];
    QComboBox* sort_;
    QCheckBox* hide_;
};

}  // namespace lanze
