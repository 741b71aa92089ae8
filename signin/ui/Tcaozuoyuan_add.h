#pragma once

#include <QDialog>
#include <optional>

class QComboBox;
class QLineEdit;

namespace lanze {

class Database;

// The operator editor: a new operator, or name, role and password of an existing one (the password must
// always be typed again).
class Tcaozuoyuan_add : public QDialog {
    Q_OBJECT
  public:
    // Without an id the editor adds a new operator.
    Tcaozuoyuan_add(Database& db, std::optional<qint64> id, QWidget* parent = nullptr);

  private:
    void confirm();

    Database& db_;
    std::optional<qint64> id_;
    QLineEdit* user_;
    QLineEdit* password_;
    QLineEdit* repeat_;
    QComboBox* role_;
};

}  // namespace lanze
