#pragma once

#include <QDialog>

class QLineEdit;

namespace lanze {

class Database;

// A dialog with the old password, the new one and its repetition, all masked and emptied whenever it is
// shown. What the password belongs to is up to the subclass.
class PasswordChangeDialog : public QDialog {
    Q_OBJECT
  public:
    PasswordChangeDialog(Database& db, const QString& caption, QWidget* parent);

  protected:
    // Runs the change and returns the message to show; success closes the dialog.
    virtual QString change(const QString& oldPassword, const QString& newPassword, const QString& repeat) = 0;
    void showEvent(QShowEvent* event) override;
    Database& db() { return db_; }

  private:
    void confirm();

    Database& db_;
    QLineEdit* old_;
    QLineEdit* new_;
    QLineEdit* repeat_;
};

}  // namespace lanze
