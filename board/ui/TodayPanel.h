#pragma once

#include <QDate>
#include <QGroupBox>
#include <QList>

class QLabel;
class QPushButton;

namespace lanze {

class Database;
struct TodayFigures;

// The 今日统计 box: seven figures of the business day, computed when the main window is shown and when
// 刷新 is pressed; nothing else changes them.
class TodayPanel : public QGroupBox {
    Q_OBJECT
  public:
    explicit TodayPanel(QWidget* parent = nullptr);

    QPushButton* refreshButton() const { return refresh_; }
    // Computes and shows the figures. Throws DbError; the panel then keeps its old figures.
    void refresh(Database& db, const QDate& businessDay);
    void show(const TodayFigures& figures);
    QStringList texts() const;

  private:
    QPushButton* refresh_;
    QList<QLabel*> values_;
};

}  // namespace lanze
