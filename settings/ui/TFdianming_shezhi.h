#pragma once

#include <QDialog>

#include "settings/SettingsSave.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class QTabWidget;
class QTimeEdit;

namespace lanze {

class ChoiceBox;
class TDM;

// The system settings dialog: the station's cysz.ini settings, the store row 店名 and the dine-in
// table numbers. It shows the values in force and saves file, table and memory together.
class TFdianming_shezhi : public QDialog {
    Q_OBJECT
  public:
    enum Page { BasicPage = 0, PrintPage, OtherPage1, OtherPage2, OtherPage3 };

    explicit TFdianming_shezhi(TDM& dm, QWidget* parent = nullptr);

    // The page the next show opens on; every show after that opens on the first page again.
    void openOn(Page page) { nextPage_ = page; }
    // Fills every control from the values in force, the store row, the logo and the printers.
    void load();
    // The dialog's values as they stand.
    SettingsForm form() const;
    void save();
    // Copies a chosen picture over the logo and shows the result.
    void replaceLogo(const QString& source);
    void cleanRecordings();
    // The print style chosen, for the main window's style selector after the dialog closes.
    QString printStyle() const;

  signals:
    // After a save: the main window hides or shows its dispatch controls.
    void dispatchFunctionChanged(bool needed);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QWidget* buildBasicPage();
    QWidget* buildPrintPage();
    QWidget* buildOtherPage1();
    QWidget* buildOtherPage2();
    QWidget* buildOtherPage3();
    void showStylePage(const QString& style);
    void loadLogo();
    void loadTables();
    void addTable();
    void saveTables();
    void deleteTable();
    void openTemplate(const QString& fileName);

    TDM& dm_;
    SettingsForm loaded_;
    Page nextPage_ = BasicPage;

    QTabWidget* tabs_;

    // 基础设置
    QLineEdit* programTitle_;
    ChoiceBox* display_;
    QWidget* boundaries_;
    QTimeEdit* noonBoundary_;
    QTimeEdit* eveningBoundary_;
    QCheckBox* extend_;
    QSpinBox* extensionHour_;
    QLabel* hourEcho_;
    ChoiceBox* afterSavePrint_;
    QSpinBox* copies_;
    QSpinBox* copyPause_;
    ChoiceBox* precision_;
    QCheckBox* openDrawer_;
    QComboBox* drawerPort_;

    // 打印内容设置
    ChoiceBox* printStyle_;
    QStackedWidget* stylePages_;
    QLineEdit* storeName_;
    QLineEdit* footer1_;
    QLineEdit* footer2_;
    QLineEdit* footer3_;
    QSpinBox* leftMargin_;
    QSpinBox* rightMargin_;
    QSpinBox* topMargin_;
    QSpinBox* bottomMargin_;
    ChoiceBox* printWidth_;
    QLineEdit* titleOffset_;
    ChoiceBox* addressRegion_;
    ChoiceBox* printTastes_;
    QCheckBox* kitchenPrinterOn_;
    QComboBox* kitchenPrinter_;
    QLineEdit* itemHeight_;
    ChoiceBox* customStyle_;
    QCheckBox* ticketB_;
    QCheckBox* ticketBPrinterOn_;
    QComboBox* ticketBPrinter_;
    QCheckBox* ticketC_;
    QCheckBox* ticketCPrinterOn_;
    QComboBox* ticketCPrinter_;

    // 其他设置一
    ChoiceBox* dispatch_;
    ChoiceBox* commission_;
    QLineEdit* commissionAmount_;
    ChoiceBox* printerType_;
    QWidget* serialPortRow_;
    QComboBox* serialPort_;
    ChoiceBox* language_;
    ChoiceBox* clickMode_;
    QSpinBox* deliveryMinutes_;
    QLineEdit* points_;
    ChoiceBox* priceEditable_;

    // 其他设置二
    QCheckBox* printLogo_;
    QLabel* logo_;
    ChoiceBox* ticketCType_;
    ChoiceBox* halfPrice_;
    ChoiceBox* returnRule_;
    ChoiceBox* dineInMode_;
    QListWidget* tables_;

    // 其他设置三
    QSpinBox* cleanupDays_;
};

}  // namespace lanze
