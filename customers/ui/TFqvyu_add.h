#pragma once

#include <QDialog>

class QLineEdit;

namespace lanze {

class Database;

// The customer list's quick region add: whatever the box holds becomes a region.
class TFqvyu_add : public QDialog {
    Q_OBJECT
  public:
    explicit TFqvyu_add(Database& db, QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void confirm();

    Database& db_;
    QLineEdit* name_;
};

}  // namespace lanze
