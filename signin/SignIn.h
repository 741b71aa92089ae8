#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "signin/Permissions.h"

namespace lanze {

class Database;
class StationSettings;
struct SignInState;

// This station's caller-ID and recording devices as the sign-in dialog shows and takes them.
struct DeviceChoice {
    bool serial = false;     // "串口来电"
    QString port;            // port box text
    QString deviceType;      // "MODEM", "一路", "二路", "四路"
    bool recording = false;  // "USB来电录音"
    QString model;           // "H型", "Q型", "H型无录音"
    QString lines;           // "1", "2", "4", "8", "16"

    bool operator==(const DeviceChoice&) const = default;
};

// The device rows of the store: 串口编号 (port, 0 = no serial caller ID), 来电路数 (device type) and
// 录音设备 (recording model, empty = none, and its line count).
class StationDevices {
  public:
    static const QStringList& deviceTypes();  // items of the device-type box
    static const QStringList& boxTypes();     // the caller-ID boxes, which sit on ports 1-4 only
    static const QStringList& models();
    static const QStringList& lineCounts();

    // What the dialog shows: a stored port ticks "串口来电"; a stored model ticks "USB来电录音", which
    // wins over the port because the two options exclude each other.
    static DeviceChoice read(Database& db);
    // Records the choice for the next start, all rows together. Without "串口来电" the port becomes 0 and
    // the device type keeps its value; without "USB来电录音" the model becomes empty.
    static void write(Database& db, const DeviceChoice& choice);
};

// The operator and station checks of the sign-in and the values it puts into SignInState.
class SignIn {
  public:
    static inline const QString kBadDeviceType = QStringLiteral("接收设备类型选择错误！！");
    static inline const QString kBoxPortRange =
        QStringLiteral("一路和二路和四路的来电显示接收盒有效串口编号为1-4，请重新进行设置！！");
    static inline const QString kChoosePort = QStringLiteral("请选择串口编号！！");
    static inline const QString kNoAccess = QStringLiteral("您无权登陆本系统！！");
    static inline const QString kWindowsFailed = QStringLiteral("请删除不需要的打印驱动，然后重新运行程序");

    struct Operator {
        qint64 id = 0;
        QString user;
        QString role;
        QString rights[Permissions::kStrings];
    };

    // The device type and the port range, checked before anything else: a message, or empty when fine.
    // An empty device type with "串口来电" ticked is refused too: no caller-ID device could start.
    static QString deviceRefusal(const DeviceChoice& choice);
    // With "串口来电" ticked the port must be a positive number.
    static QString portRefusal(const DeviceChoice& choice);

    // The operator whose name and password digest match, if any.
    static std::optional<Operator> verify(Database& db, const QString& user, const QString& password);
    static std::optional<Operator> find(Database& db, const QString& user);

    // Operator name, role and rights.
    static void fillOperator(const Operator& op, SignInState& state);
    // Caller-ID mode, device, port and recording lines.
    static void fillDevices(const DeviceChoice& choice, SignInState& state);
    // The store row of 店名, with the defaults for empty values.
    static void readStore(Database& db, SignInState& state);
    // Every cysz.ini setting with its default.
    static void readStation(const StationSettings& settings, SignInState& state);
    // Re-reads the signed-in operator's rights; false (rights unchanged) when the row is gone.
    static bool reloadRights(Database& db, SignInState& state);
};

}  // namespace lanze
