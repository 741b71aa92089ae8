#pragma once

#include <QHash>
#include <QString>

namespace lanze {

// The process-wide values of the signed-in operator and of this station. The sign-in fills them once;
// whoever changes a setting later updates the value here together with its file or table.
struct SignInState {
    QString operatorName;
    QString operatorRole;
    QString rights[9];  // Right1 .. Right9

    QString callerIdMode;    // "来电登陆", "无来电登陆" or "录音登陆" + model
    QString callerIdDevice;  // "MODEM", "一路", "二路", "四路"
    int serialPort = 0;
    int recordingLines = 0;
    QString dateSeparator = QStringLiteral("-");
    bool colourDisplay = true;

    QString storeName;
    QString printWidth = QStringLiteral("76mm");
    QString pointsRule = QStringLiteral("1");
    int titleLeftMargin = 0;
    QString priceEditable = QStringLiteral("可以");
    QString returnRule = QStringLiteral("任意");
    QString skinEnabled = QStringLiteral("是");

    // The station settings of cysz.ini by section name, defaults already applied.
    QHash<QString, QString> station;

    // The caption of the main window and of every confirmation box.
    QString programTitle;

    static inline const QString kStartTitle = QStringLiteral("岚泽家政来电服务管理系统");

    QString setting(const QString& section) const { return station.value(section); }
};

SignInState& signInState();

}  // namespace lanze
