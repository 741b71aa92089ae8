#pragma once

#include <QDialog>

class QLabel;

namespace lanze {

// The about box: the program title, its version and the shop's contact details from the station
// settings (公司全称, 电话, QQ, EMAIL, 网站).
class Tabout : public QDialog {
    Q_OBJECT
  public:
    explicit Tabout(QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QLabel* title_;
    QLabel* details_;
};

}  // namespace lanze
