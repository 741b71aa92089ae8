#include "settings/SettingsSave.h"

#include <QFile>
#include <QSaveFile>
#include <cmath>

#include "app/SignInState.h"
#include "core/db/DbError.h"
#include "core/db/Transaction.h"
#include "settings/StationSettings.h"

namespace lanze {

namespace {
const QString kSplitDisplay = QStringLiteral("上下午");
const QString kTimeFormat = QStringLiteral("hh:mm:ss");

QTime timeOr(const QString& text, const QString& fallback) {
    const QTime t = QTime::fromString(text, kTimeFormat);
    return t.isValid() ? t : QTime::fromString(fallback, kTimeFormat);
}

SettingsForm::Printer printerFrom(const QString& stored) {
    return {!stored.isEmpty(), stored};
}

QString printerName(const SettingsForm::Printer& p) {
    return p.on ? p.name.trimmed() : QString();
}

// Puts a file back as it was before a save that did not go through.
void restoreFile(const QString& path, bool existed, const QByteArray& bytes) {
    if (!existed) {
        QFile::remove(path);
        return;
    }
    QSaveFile f(path);
    if (f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size()) {
        f.commit();
    }
}
}  // namespace

const QStringList& SettingsSave::plainSections() {
    static const QStringList sections = {
        QStringLiteral("程序名称"),
        QStringLiteral("主界面显示"),
        QStringLiteral("开单后打印"),
        QStringLiteral("默认打印份数"),
        QStringLiteral("多份数停顿间隔"),
        QStringLiteral("计算精度"),
        QStringLiteral("开启钱箱"),
        QStringLiteral("钱箱端口"),
        QStringLiteral("地址打印是否包含地区"),
        QStringLiteral("口味打印"),
        QStringLiteral("默认自定义打印报表样式"),
        QStringLiteral("B小票是否打印"),
        QStringLiteral("C小票是否打印"),
        QStringLiteral("C小票类型"),
        QStringLiteral("是否需要发货功能"),
        QStringLiteral("是否串口打印机"),
        QStringLiteral("版本语言"),
        QStringLiteral("点菜方式"),
        QStringLiteral("默认送餐分钟"),
        QStringLiteral("双拼价格"),
        QStringLiteral("堂食显示模式"),
    };
    return sections;
}

SettingsForm SettingsForm::load(const SignInState& state, const StoreRow& row) {
    const auto setting = [&](const QString& section) {
        return state.station.contains(section) ? state.station.value(section)
                                               : StationSettings::defaultOf(section);
    };
    SettingsForm f;
    f.row = row;
    f.pointsText = row.pointsRule.toPlainString();
    f.titleOffsetText = QString::number(row.titleLeftMargin);
    f.commissionText = row.commissionPerOrder.toPlainString();
    for (const QString& section : SettingsSave::plainSections()) {
        f.station.insert(section, setting(section));
    }
    f.noonBoundary = timeOr(setting(QStringLiteral("早中午分界线")),
                            StationSettings::defaultOf(QStringLiteral("早中午分界线")));
    f.eveningBoundary = timeOr(setting(QStringLiteral("上下午分界线")),
                               StationSettings::defaultOf(QStringLiteral("上下午分界线")));
    bool isHour = false;
    const int hour = setting(QStringLiteral("营业延长时间")).trimmed().toInt(&isHour);
    f.extendBusinessDay = isHour && hour > 0;
    f.extensionHour = f.extendBusinessDay ? hour : 0;
    f.itemBandHeight = setting(QStringLiteral("主项数据高度"));
    f.kitchenPrinter = printerFrom(setting(QStringLiteral("后厨打印机")));
    f.ticketBPrinter = printerFrom(setting(QStringLiteral("B小票打印机")));
    f.ticketCPrinter = printerFrom(setting(QStringLiteral("C小票打印机")));
    f.serialPrinterPort = setting(QStringLiteral("打印机串口号"));
    return f;
}

QHash<QString, QString> SettingsSave::stationValues(const SettingsForm& form) {
    QHash<QString, QString> out;
    for (const QString& section : plainSections()) {
        out.insert(section, form.station.contains(section) ? form.station.value(section)
                                                           : StationSettings::defaultOf(section));
    }
    if (out.value(QStringLiteral("主界面显示")) == kSplitDisplay) {
        out.insert(QStringLiteral("早中午分界线"), form.noonBoundary.toString(kTimeFormat));
        out.insert(QStringLiteral("上下午分界线"), form.eveningBoundary.toString(kTimeFormat));
    }
    out.insert(QStringLiteral("营业延长时间"),
               form.extendBusinessDay ? QString::number(form.extensionHour) : QStringLiteral("0"));
    out.insert(QStringLiteral("主项数据高度"), form.itemBandHeight.trimmed());
    out.insert(QStringLiteral("后厨打印机"), printerName(form.kitchenPrinter));
    out.insert(QStringLiteral("B小票打印机"), printerName(form.ticketBPrinter));
    out.insert(QStringLiteral("C小票打印机"), printerName(form.ticketCPrinter));
    if (out.value(QStringLiteral("是否串口打印机")) == QStringLiteral("是")) {
        out.insert(QStringLiteral("打印机串口号"), form.serialPrinterPort.trimmed());
    }
    return out;
}

SettingsSave::Result SettingsSave::save(Database& db, const QString& storeDir, const SettingsForm& form,
                                        SignInState& state) {
    // Every check comes before the first write, so a refusal leaves table, file and memory as they were.
    const QString points = form.pointsText.trimmed();
    if (points.isEmpty() || points == QStringLiteral("0")) {
        return {Outcome::Refused, kPointsWrong};
    }
    bool heightIsNumber = false;
    const double height = form.itemBandHeight.trimmed().toDouble(&heightIsNumber);
    // "nan" and "inf" read as numbers too, but no page can be lengthened by them.
    if (!heightIsNumber || !std::isfinite(height) || height < 0) {
        return {Outcome::Refused, kItemHeightWrong};
    }
    // The points rule divides every amount: zero or a negative rule would break the order save.
    const std::optional<Money> pointsRule = Money::parse(points);
    if (!pointsRule) {
        return {Outcome::Refused, kPointsNotANumber};
    }
    if (*pointsRule <= Money()) {
        return {Outcome::Refused, kPointsWrong};
    }
    bool offsetIsInteger = false;
    const int titleOffset = form.titleOffsetText.trimmed().toInt(&offsetIsInteger);
    if (!offsetIsInteger) {
        return {Outcome::Refused, kTitleOffsetWrong};
    }
    const QString commissionText = form.commissionText.trimmed();
    const std::optional<Money> commission =
        commissionText.isEmpty() ? std::optional<Money>(Money()) : Money::parse(commissionText);
    if (!commission) {
        return {Outcome::Refused, kCommissionWrong};
    }

    StoreRow row = form.row;
    row.pointsRule = *pointsRule;
    row.titleLeftMargin = titleOffset;
    row.commissionPerOrder = *commission;
    if (row.printWidth != StoreSettings::kWidth58) {
        row.printWidth = StoreSettings::kWidth76;
    }
    const QHash<QString, QString> values = stationValues(form);

    const StationSettings settings(storeDir);
    // The file as it was, to put back when the row's commit fails after the file was written.
    QFile previous(settings.filePath());
    const bool hadFile = previous.exists();
    const QByteArray previousBytes = previous.open(QIODevice::ReadOnly) ? previous.readAll() : QByteArray();
    previous.close();
    bool fileWritten = false;
    try {
        // The file is written inside the row's transaction: when it cannot be written the row is rolled
        // back too, and when the commit fails the file is put back, so the stations never see half a save.
        Transaction tx(db);
        StoreSettings::write(db, row);
        QString fileError;
        if (!settings.write(values, &fileError)) {
            return {Outcome::Failed, kFileFailed.arg(fileError)};
        }
        fileWritten = true;
        tx.commit();
    } catch (const DbError& e) {
        if (fileWritten) {
            restoreFile(settings.filePath(), hadFile, previousBytes);
        }
        return {Outcome::Failed, e.message()};
    }

    row.exists = true;
    StoreSettings::applyTo(row, state);
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        state.station.insert(it.key(), it.value());
    }
    const QString title = values.value(QStringLiteral("程序名称"));
    if (!title.isEmpty()) {
        state.programTitle = title;
    }
    return {Outcome::Saved, kSaved};
}

}  // namespace lanze
