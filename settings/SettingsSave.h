#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QTime>

#include "core/db/Database.h"
#include "settings/StoreSettings.h"

namespace lanze {

struct SignInState;

// The values of the system settings dialog, as its controls hold them.
struct SettingsForm {
    struct Printer {
        bool on = false;  // the check box beside the printer list
        QString name;     // the list's text
    };

    // The 店名 row; its points rule, title offset and per-order commission come from the texts below.
    StoreRow row;
    QString pointsText;
    QString titleOffsetText;
    QString commissionText;

    // The plain choices of cysz.ini, by section, values as stored (see SettingsSave::plainSections()).
    QHash<QString, QString> station;

    // Written only with the split display "上下午".
    QTime noonBoundary;
    QTime eveningBoundary;
    bool extendBusinessDay = false;
    int extensionHour = 0;
    QString itemBandHeight;
    Printer kitchenPrinter;
    Printer ticketBPrinter;
    Printer ticketCPrinter;
    // Written only with the special printer ("是否串口打印机" = "是").
    QString serialPrinterPort;

    // What the dialog shows when it opens: the process-wide settings and the store row.
    static SettingsForm load(const SignInState& state, const StoreRow& row);
};

// Saving the settings dialog: checks, then the 店名 row, then cysz.ini, then the in-memory values.
class SettingsSave {
  public:
    static inline const QString kPointsWrong = QStringLiteral("积分兑换设置错误");
    static inline const QString kPointsNotANumber = QStringLiteral("积分设置必须是大于0的数字（元积一分）");
    static inline const QString kItemHeightWrong = QStringLiteral("主项数据高度设置不正确");
    static inline const QString kTitleOffsetWrong = QStringLiteral("标题左边距必须是整数");
    static inline const QString kCommissionWrong = QStringLiteral("每次提成金额必须是数字");
    static inline const QString kSaved = QStringLiteral("修改完毕！！");
    static inline const QString kFileFailed = QStringLiteral("系统设置文件保存失败：%1");

    enum class Outcome { Saved, Refused, Failed };
    struct Result {
        Outcome outcome = Outcome::Refused;
        QString message;
        bool saved() const { return outcome == Outcome::Saved; }
    };

    // The cysz.ini sections the dialog writes as they are chosen.
    static const QStringList& plainSections();

    // A refused or failed save writes nothing: neither the row, nor the file, nor the in-memory values.
    static Result save(Database& db, const QString& storeDir, const SettingsForm& form, SignInState& state);

    // The settings of cysz.ini the form produces, with the rules for boundaries, printers and the
    // business-day extension applied.
    static QHash<QString, QString> stationValues(const SettingsForm& form);
};

}  // namespace lanze
