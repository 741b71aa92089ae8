#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include "app/SignInState.h"
#include "app/TDM.h"
#include "core/Messages.h"
#include "core/db/Query.h"
#include "core/ini/IniFile.h"
#include "settings/StationSettings.h"
#include "settings/StoreSettings.h"
#include "settings/TableNumbers.h"
#include "settings/ui/ChoiceBox.h"
#include "settings/ui/TFdianming_shezhi.h"

using namespace lanze;

namespace {
class SettingsDialogTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dm.start().connected);
        SignInState& state = signInState();
        state = SignInState();
        state.station = StationSettings(dir.path()).readAll();
        StoreSettings::applyTo(StoreSettings::read(dm.db()), state);
        ASSERT_TRUE(StationSettings(dir.path()).write(QStringLiteral("程序名称"), QStringLiteral("旧标题")));
        state.station[QStringLiteral("程序名称")] = QStringLiteral("旧标题");
    }
    template <typename T>
    T* find(const char* name) {
        T* widget = dialog.findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void choose(const char* box, const QString& value) { find<ChoiceBox>(box)->button(value)->click(); }
    QString stored(const QString& section) const {
        return IniFile::load(StationSettings(dir.path()).filePath()).value(section, StationSettings::kKey);
    }

    QTemporaryDir dir;
    TDM dm{dir.path()};
    MessageRecorder messages;
    TFdianming_shezhi dialog{dm};
};
}  // namespace

TEST_F(SettingsDialogTest, FilledAndSavedEndToEnd) {
    Query::run(dm.db(), QStringLiteral("insert into 餐台号 (餐台号) values ('1号桌')"));
    signInState().station[QStringLiteral("B小票打印机")] = QStringLiteral("前台打印机");
    dialog.openOn(TFdianming_shezhi::OtherPage1);
    dialog.show();
    EXPECT_EQ(find<QTabWidget>("pages")->currentIndex(), int(TFdianming_shezhi::OtherPage1));
    EXPECT_EQ(find<QLineEdit>("programTitle")->text(), QStringLiteral("旧标题"));
    EXPECT_EQ(find<QLineEdit>("points")->text(), QStringLiteral("1"));
    EXPECT_EQ(find<QListWidget>("tables")->count(), 1);
    EXPECT_FALSE(find<QCheckBox>("kitchenPrinterOn")->isChecked());
    // A stored printer is shown ticked even when this station does not have it installed.
    EXPECT_TRUE(find<QCheckBox>("ticketBPrinterOn")->isChecked());
    EXPECT_EQ(find<QComboBox>("ticketBPrinter")->currentText(), QStringLiteral("前台打印机"));
    find<QCheckBox>("ticketBPrinterOn")->setChecked(false);
    EXPECT_EQ(find<QComboBox>("ticketBPrinter")->currentText(), QString());

    find<QLineEdit>("programTitle")->setText(QStringLiteral("小王外卖"));
    find<QLineEdit>("storeName")->setText(QStringLiteral("小王餐馆"));
    find<QLineEdit>("points")->setText(QStringLiteral("5"));
    find<QLineEdit>("titleOffset")->setText(QStringLiteral("40"));
    choose("printWidth", QStringLiteral("58mm"));
    choose("dispatch", QStringLiteral("不需要"));
    choose("returnRule", QStringLiteral("不任意"));
    find<QCheckBox>("extendBusinessDay")->setChecked(true);
    find<QSpinBox>("extensionHour")->setValue(2);
    EXPECT_EQ(find<QLabel>("hourEcho")->text(), QStringLiteral("2"));

    choose("printStyle", QStringLiteral("自定义报表"));
    EXPECT_EQ(find<QStackedWidget>("stylePages")->currentIndex(), 1);
    find<QLineEdit>("itemHeight")->setText(QStringLiteral("26"));

    bool dispatchNeeded = true;
    QObject::connect(&dialog, &TFdianming_shezhi::dispatchFunctionChanged,
                     [&dispatchNeeded](bool needed) { dispatchNeeded = needed; });
    find<QPushButton>("save")->click();
    EXPECT_EQ(messages.last(), QStringLiteral("修改完毕！！"));
    EXPECT_FALSE(dispatchNeeded);

    const StoreRow row = StoreSettings::read(dm.db());
    EXPECT_EQ(row.storeName, QStringLiteral("小王餐馆"));
    EXPECT_EQ(row.printStyle, QStringLiteral("自定义报表"));
    EXPECT_EQ(row.printWidth, QStringLiteral("58mm"));
    EXPECT_EQ(row.titleLeftMargin, 40);
    EXPECT_EQ(row.pointsRule, Money::fromYuan(5));
    EXPECT_EQ(row.returnRule, QStringLiteral("不任意"));
    EXPECT_EQ(stored(QStringLiteral("程序名称")), QStringLiteral("小王外卖"));
    EXPECT_EQ(stored(QStringLiteral("营业延长时间")), QStringLiteral("2"));
    EXPECT_EQ(stored(QStringLiteral("主项数据高度")), QStringLiteral("26"));
    EXPECT_EQ(stored(QStringLiteral("是否需要发货功能")), QStringLiteral("不需要"));
    EXPECT_EQ(stored(QStringLiteral("后厨打印机")), QString());
    EXPECT_EQ(stored(QStringLiteral("B小票打印机")), QString());
    EXPECT_EQ(signInState().printWidth, QStringLiteral("58mm"));
    EXPECT_EQ(signInState().setting(QStringLiteral("营业延长时间")), QStringLiteral("2"));
    EXPECT_EQ(dialog.printStyle(), QStringLiteral("自定义报表"));

    // The table numbers are saved by their own buttons.
    find<QPushButton>("addTable")->click();
    find<QListWidget>("tables")->currentItem()->setText(QStringLiteral("包间A"));
    find<QPushButton>("saveTables")->click();
    QStringList tables = TableNumbers::list(dm.db());
    tables.sort();
    EXPECT_EQ(tables, (QStringList{QStringLiteral("1号桌"), QStringLiteral("包间A")}));
}

TEST_F(SettingsDialogTest, RefusedSaveLeavesTableFileAndMessageSays) {
    dialog.show();
    const QByteArray fileBefore = IniFile::load(StationSettings(dir.path()).filePath()).toBytes();
    find<QLineEdit>("programTitle")->setText(QStringLiteral("不该保存"));
    find<QLineEdit>("storeName")->setText(QStringLiteral("不该保存"));
    find<QLineEdit>("points")->setText(QStringLiteral("0"));
    find<QPushButton>("save")->click();
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown().first().kind, Messages::Kind::Warning);
    EXPECT_EQ(messages.last(), QStringLiteral("积分兑换设置错误"));
    EXPECT_EQ(IniFile::load(StationSettings(dir.path()).filePath()).toBytes(), fileBefore);
    EXPECT_NE(StoreSettings::read(dm.db()).storeName, QStringLiteral("不该保存"));
}

TEST_F(SettingsDialogTest, DesignOpensTheTicketTemplateAndPutsBackAMissingOne) {
    dialog.show();
    const QString file = QDir(dir.path()).filePath(QStringLiteral("B小票.frf"));
    ASSERT_TRUE(QFile::remove(file));
    QString opened;
    QTimer::singleShot(0, [&opened] {
        if (QWidget* designer = QApplication::activeModalWidget()) {
            opened = designer->windowTitle();
            designer->close();
        }
    });
    find<QPushButton>("designB")->click();
    EXPECT_TRUE(opened.endsWith(QStringLiteral("B小票.frf"))) << opened.toStdString();
    EXPECT_TRUE(QFile::exists(file));
}
