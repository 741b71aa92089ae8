#include "signin/SignIn.h"

#include "app/SignInState.h"
#include "core/db/Query.h"
#include "core/db/Transaction.h"
#include "core/types/PasswordDigest.h"
#include "settings/StationSettings.h"

namespace lanze {

namespace {
std::optional<int> portNumber(const QString& text) {
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(n) : std::nullopt;
}

SignIn::Operator readOperator(const Query& q) {
    SignIn::Operator op;
    op.id = q.integer(QStringLiteral("id"));
    op.user = q.text(QStringLiteral("用户"));
    op.role = q.text(QStringLiteral("权限"));
    for (int i = 0; i < Permissions::kStrings; ++i) {
        op.rights[i] = q.text(QStringLiteral("Right%1").arg(i + 1));
    }
    return op;
}
}  // namespace

const QStringList& StationDevices::deviceTypes() {
    static const QStringList t = {QStringLiteral("MODEM"), QStringLiteral("一路"), QStringLiteral("二路"),
                                  QStringLiteral("四路")};
    return t;
}

const QStringList& StationDevices::boxTypes() {
    static const QStringList t = {QStringLiteral("一路"), QStringLiteral("二路"), QStringLiteral("四路")};
    return t;
}

const QStringList& StationDevices::models() {
    static const QStringList t = {QStringLiteral("H型"), QStringLiteral("Q型"), QStringLiteral("H型无录音")};
    return t;
}

const QStringList& StationDevices::lineCounts() {
    static const QStringList t = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("4"),
                                  QStringLiteral("8"), QStringLiteral("16")};
    return t;
}

DeviceChoice StationDevices::read(Database& db) {
    DeviceChoice c;
    Query port(db, QStringLiteral("select * from 串口编号"));
    if (port.first() && port.integer(QStringLiteral("编号")) != 0) {
        c.serial = true;
        c.port = QString::number(port.integer(QStringLiteral("编号")));
        Query type(db, QStringLiteral("select * from 来电路数"));
        if (type.first()) {
            c.deviceType = type.text(QStringLiteral("路数"));
        }
    }
    Query rec(db, QStringLiteral("select * from 录音设备"));
    if (rec.first() && !rec.text(QStringLiteral("录音设备")).isEmpty()) {
        // The port and type stay in their boxes, unticked.
        c.recording = true;
        c.serial = false;
        c.model = rec.text(QStringLiteral("录音设备"));
        c.lines = rec.text(QStringLiteral("路数"));
    }
    return c;
}

void StationDevices::write(Database& db, const DeviceChoice& c) {
    Transaction t(db);
    if (c.serial) {
        Query(db, QStringLiteral("update 串口编号 set 编号=:编号"))
            .bindInteger(QStringLiteral("编号"), portNumber(c.port).value_or(0))
            .exec();
        Query(db, QStringLiteral("update 来电路数 set 路数=:路数"))
            .bindText(QStringLiteral("路数"), c.deviceType)
            .exec();
    } else {
        Query(db, QStringLiteral("update 串口编号 set 编号=:编号"))
            .bindInteger(QStringLiteral("编号"), 0)
            .exec();
    }
    if (c.recording) {
        Query(db, QStringLiteral("update 录音设备 set 录音设备=:录音设备,路数=:路数"))
            .bindText(QStringLiteral("录音设备"), c.model)
            .bindText(QStringLiteral("路数"), c.lines)
            .exec();
    } else {
        Query(db, QStringLiteral("update 录音设备 set 录音设备=:录音设备"))
            .bindText(QStringLiteral("录音设备"), QString())
            .exec();
    }
    t.commit();
}

QString SignIn::deviceRefusal(const DeviceChoice& c) {
    if (!c.deviceType.isEmpty() && !StationDevices::deviceTypes().contains(c.deviceType)) {
        return kBadDeviceType;
    }
    if (c.serial && c.deviceType.isEmpty()) {
        return kBadDeviceType;
    }
    if (StationDevices::boxTypes().contains(c.deviceType) && portNumber(c.port).value_or(0) > 4) {
        return kBoxPortRange;
    }
    return QString();
}

QString SignIn::portRefusal(const DeviceChoice& c) {
    if (c.serial && portNumber(c.port).value_or(0) < 1) {
        return kChoosePort;
    }
    return QString();
}

std::optional<SignIn::Operator> SignIn::verify(Database& db, const QString& user, const QString& password) {
    Query q(db, QStringLiteral("select * from 登陆 where 用户=:nm and 密码=:ps"));
    q.bindText(QStringLiteral("nm"), user).bindText(QStringLiteral("ps"), passwordDigest(password));
    if (!q.first()) {
        return std::nullopt;
    }
    return readOperator(q);
}

std::optional<SignIn::Operator> SignIn::find(Database& db, const QString& user) {
    Query q(db, QStringLiteral("select * from 登陆 where 用户=:nm"));
    q.bindText(QStringLiteral("nm"), user);
    if (!q.first()) {
        return std::nullopt;
    }
    return readOperator(q);
}

void SignIn::fillOperator(const Operator& op, SignInState& state) {
    state.operatorName = op.user;
    state.operatorRole = op.role;
    for (int i = 0; i < Permissions::kStrings; ++i) {
        state.rights[i] = op.rights[i];
    }
}

void SignIn::fillDevices(const DeviceChoice& c, SignInState& state) {
    if (c.serial) {
        state.callerIdMode = QStringLiteral("来电登陆");
        state.callerIdDevice = c.deviceType;
        state.serialPort = portNumber(c.port).value_or(0);
    } else {
        state.callerIdMode = QStringLiteral("无来电登陆");
    }
    if (c.recording) {
        state.callerIdMode = QStringLiteral("录音登陆") + c.model;
        state.recordingLines = c.lines.toInt();
    }
}

void SignIn::readStore(Database& db, SignInState& state) {
    Query q(db, QStringLiteral("select * from 店名"));
    if (!q.first()) {
        return;
    }
    const QString width = q.text(QStringLiteral("打印幅面"));
    state.printWidth = width == QLatin1String("58mm") ? width : QStringLiteral("76mm");
    // A rule of 0 would divide every payment by nothing when points are counted: it counts as 1 as well.
    const Money rule = q.money(QStringLiteral("积分规则"));
    state.pointsRule =
        q.isNull(QStringLiteral("积分规则")) || rule.isZero() ? QStringLiteral("1") : rule.toPlainString();
    state.titleLeftMargin = static_cast<int>(q.integer(QStringLiteral("标题左边距")));
    const QString price = q.text(QStringLiteral("单价修改"));
    state.priceEditable = price.isEmpty() ? QStringLiteral("可以") : price;
    state.storeName = q.text(QStringLiteral("店名"));
    const QString ret = q.text(QStringLiteral("退菜规则"));
    state.returnRule = ret.isEmpty() ? QStringLiteral("任意") : ret;
}

void SignIn::readStation(const StationSettings& settings, SignInState& state) {
    // 换肤 was taken into skinEnabled when the dialog was made; the map carries every setting.
    state.station = settings.readAll();
}

bool SignIn::reloadRights(Database& db, SignInState& state) {
    const auto op = find(db, state.operatorName);
    if (!op) {
        return false;
    }
    for (int i = 0; i < Permissions::kStrings; ++i) {
        state.rights[i] = op->rights[i];
    }
    return true;
}

}  // namespace lanze
