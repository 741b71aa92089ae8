#pragma once

#include <QDialog>

#include "signin/SignIn.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace lanze {

class Database;
class WindowRegistry;

// The sign-in dialog: the first window of the run. A successful sign-in fills the signed-in state,
// records this station's devices, prepares and shows the main window and then hides this dialog
// (accepted); closing it instead ends the program.
class Tlogin : public QDialog {
    Q_OBJECT
  public:
    Tlogin(Database& db, WindowRegistry& windows, QString storeDir, QWidget* parent = nullptr);

    // The device options as the controls hold them.
    DeviceChoice choice() const;

  public slots:
    void signIn();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void prepare();
    void applyLanguage(const QString& language);
    void setSerial(bool on);
    void setRecording(bool on);
    void fail(const QString& message, bool enableAgain);

    Database& db_;
    WindowRegistry& windows_;
    QString storeDir_;

    QLabel* userLabel_;
    QComboBox* userBox_;
    QLabel* passwordLabel_;
    QLineEdit* passwordEdit_;
    QLabel* initialPasswordLabel_;
    QCheckBox* serialCheck_;
    QLabel* portLabel_;
    QComboBox* portBox_;
    QLabel* typeLabel_;
    QComboBox* typeBox_;
    QCheckBox* recordingCheck_;
    QLabel* modelLabel_;
    QComboBox* modelBox_;
    QLabel* linesLabel_;
    QComboBox* linesBox_;
    QPushButton* signInButton_;
    QPushButton* quitButton_;
};

}  // namespace lanze
