#include "settings/StationSettings.h"

#include <QDir>

#include "core/ini/IniFile.h"
#include "core/store/StoreFiles.h"

namespace lanze {

const QList<StationSettings::Setting>& StationSettings::all() {
    static const QList<Setting> settings = {
        {QStringLiteral("换肤"), QStringLiteral("是")},
        {QStringLiteral("版本语言"), QStringLiteral("简体中文")},
        {QStringLiteral("图标显示"), QStringLiteral("大图标")},
        {QStringLiteral("双拼价格"), QStringLiteral("平均")},
        {QStringLiteral("口味打印"), QStringLiteral("不打印")},
        {QStringLiteral("开单后关闭"), QStringLiteral("关闭")},
        {QStringLiteral("是否串口打印机"), QStringLiteral("不是")},
        {QStringLiteral("打印机串口号"), QStringLiteral("com1")},
        {QStringLiteral("开单后打印"), QStringLiteral("打印预览")},
        {QStringLiteral("地址打印是否包含地区"), QStringLiteral("不包含")},
        {QStringLiteral("主界面显示"), QStringLiteral("全天")},
        {QStringLiteral("早中午分界线"), QStringLiteral("14:00:00")},
        {QStringLiteral("上下午分界线"), QStringLiteral("19:00:00")},
        {QStringLiteral("默认打印份数"), QStringLiteral("1")},
        {QStringLiteral("主项数据高度"), QStringLiteral("22")},
        {QStringLiteral("计算精度"), QStringLiteral("角分")},
        {QStringLiteral("营业延长时间"), QStringLiteral("0")},
        {QStringLiteral("默认自定义打印报表样式"), QStringLiteral("样式一")},
        {QStringLiteral("默认送餐分钟"), QStringLiteral("30")},
        {QStringLiteral("公司简称"), QStringLiteral("岚泽")},
        {QStringLiteral("程序名称"), QString()},
        {QStringLiteral("是否需要发货功能"), QStringLiteral("需要")},
        {QStringLiteral("B小票是否打印"), QStringLiteral("否")},
        {QStringLiteral("C小票是否打印"), QStringLiteral("否")},
        {QStringLiteral("C小票类型"), QStringLiteral("多菜一单")},
        {QStringLiteral("B小票打印机"), QString()},
        {QStringLiteral("C小票打印机"), QString()},
        {QStringLiteral("点菜方式"), QStringLiteral("双击")},
        {QStringLiteral("多份数停顿间隔"), QStringLiteral("2")},
        {QStringLiteral("堂食显示模式"), QStringLiteral("图标")},
        {QStringLiteral("后厨打印机"), QString()},
        {QStringLiteral("开启钱箱"), QStringLiteral("否")},
        {QStringLiteral("钱箱端口"), QStringLiteral("LPT1")},
        // Contact details of the about box.
        {QStringLiteral("QQ"), QString()},
        {QStringLiteral("EMAIL"), QString()},
        {QStringLiteral("网站"), QString()},
        {QStringLiteral("电话"), QString()},
        {QStringLiteral("公司全称"), QStringLiteral("岚泽家政服务")},
    };
    return settings;
}

QString StationSettings::defaultOf(const QString& section) {
    for (const auto& s : all()) {
        if (s.section == section) {
            return s.defaultValue;
        }
    }
    return QString();
}

StationSettings::StationSettings(QString storeDir) : storeDir_(std::move(storeDir)) {}

QString StationSettings::filePath() const {
    return QDir(storeDir_).filePath(StoreFiles::kStationSettings);
}

QString StationSettings::read(const QString& section) const {
    const QString v = IniFile::load(filePath()).value(section, kKey, kFallback);
    return v == kFallback ? defaultOf(section) : v;
}

QHash<QString, QString> StationSettings::readAll() const {
    const IniFile ini = IniFile::load(filePath());
    QHash<QString, QString> out;
    for (const auto& s : all()) {
        const QString v = ini.value(s.section, kKey, kFallback);
        out.insert(s.section, v == kFallback ? s.defaultValue : v);
    }
    return out;
}

bool StationSettings::write(const QString& section, const QString& value, QString* error) const {
    return write(QHash<QString, QString>{{section, value}}, error);
}

bool StationSettings::write(const QHash<QString, QString>& values, QString* error) const {
    IniFile ini = IniFile::load(filePath());
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        ini.setValue(it.key(), kKey, it.value());
    }
    return ini.save(filePath(), error);
}

}  // namespace lanze
