#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include "app/SignInState.h"
#include "app/ui/KnownWindows.h"
#include "app/ui/Skin.h"
#include "app/ui/WindowRegistry.h"
#include "board/MainCommands.h"
#include "board/ui/BoardFilterPanel.h"
#include "board/ui/ItemChartPage.h"
#include "board/ui/OrderListPage.h"
#include "board/ui/Tmain.h"
#include "board/ui/TodayPanel.h"
#include "core/Messages.h"
#include "core/db/Query.h"
#include "core/grid/GridModel.h"
#include "core/store/SkinFile.h"
#include "core/ui/DataGrid.h"
#include "settings/StationSettings.h"
#include "tests/board/OrderFixture.h"
#include "tests/support/TestStore.h"
#include "tests/support/WindowDriver.h"

using namespace lanze;
using namespace lanze::test;

namespace {
const QString kAllGranted = QString(31, QLatin1Char('1'));

QString fileText(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}
}  // namespace

class TmainWindow : public testing::Test {
  protected:
    void SetUp() override {
        store = std::make_unique<TestStore>(Engine::SQLite);
        windows = std::make_unique<WindowRegistry>();
        // Windows other issues build: stand-ins that record that they were opened.
        for (const char* name : {"Txiaoshou", "Txiaoshou_tangshi", "Txiaoshou_tiaoma", "TFjingri_shengri"}) {
            windows->add(QString::fromUtf8(name),
                         [](QWidget* parent) { return new QWidget(parent, Qt::Window); });
        }
        SkinFile::ensure(store->folder());
        resetState();
    }
    void TearDown() override {
        main.reset();
        windows.reset();
        Skin::switchOff();
    }
    void resetState() {
        signInState() = SignInState{};
        signInState().station = StationSettings(store->folder()).readAll();
        for (QString& r : signInState().rights) {
            r = kAllGranted;
        }
    }
    void setting(const QString& section, const QString& value) {
        ASSERT_TRUE(StationSettings(store->folder()).write(section, value));
        signInState().station.insert(section, value);
    }
    Tmain& make() {
        main = std::make_unique<Tmain>(store->db(), *windows);
        main->setStoreDir(store->folder());
        main->applyRights();
        return *main;
    }
    Tmain& shown() {
        if (!main) {
            make();
        }
        main->show();
        QApplication::setActiveWindow(main.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(main.get()));
        return *main;
    }
    bool opened(const char* name) {
        return windows->isCreated(QString::fromUtf8(name)) &&
               windows->window(QString::fromUtf8(name))->isVisible();
    }
    void closeOpened() {
        for (const char* name : {"Txiaoshou", "Txiaoshou_tangshi", "Txiaoshou_tiaoma"}) {
            if (windows->isCreated(QString::fromUtf8(name))) {
                windows->window(QString::fromUtf8(name))->hide();
            }
        }
    }
    Database& db() { return store->db(); }

    MessageRecorder messages;
    std::unique_ptr<TestStore> store;
    std::unique_ptr<WindowRegistry> windows;
    std::unique_ptr<Tmain> main;
};

TEST_F(TmainWindow, FunctionKeysOpenTheOrderWindowsFromAFocusedInputBox) {
    Tmain& w = shown();
    auto* phone = w.findChild<QLineEdit*>(QStringLiteral("phoneNumber"));
    ASSERT_NE(phone, nullptr);
    struct Case {
        Qt::Key key;
        const char* window;
    } cases[] = {
        {Qt::Key_F2, "Txiaoshou_tangshi"}, {Qt::Key_F3, "Txiaoshou_tiaoma"}, {Qt::Key_F1, "Txiaoshou"}};
    for (const Case& c : cases) {
        phone->setFocus();
        ASSERT_TRUE(phone->hasFocus());
        QTest::keyClick(phone, c.key);
        EXPECT_TRUE(opened(c.window)) << c.window;
        EXPECT_EQ(phone->text(), QString());  // the key did not reach the box
        closeOpened();
    }

    // F1 runs 销售开单 and nothing else: without the right, the key does nothing.
    signInState().rights[1] = QStringLiteral("0") + kAllGranted.mid(1);
    w.applyRights();
    phone->setFocus();
    QTest::keyClick(phone, Qt::Key_F1);
    EXPECT_FALSE(opened("Txiaoshou"));
    // F2 is governed by no right.
    QTest::keyClick(phone, Qt::Key_F2);
    EXPECT_TRUE(opened("Txiaoshou_tangshi"));
}

TEST_F(TmainWindow, EachRightDisablesExactlyTheCommandsItGoverns) {
    Tmain& w = make();
    const QList<MainCommand>& all = MainCommands::all();
    auto check = [&](auto expectedEnabled, const std::string& why) {
        for (const MainCommand& c : all) {
            const QList<QObject*> carriers = w.carriers(c);
            ASSERT_FALSE(carriers.isEmpty()) << c.caption.toStdString();
            for (QObject* o : carriers) {
                EXPECT_EQ(o->property("enabled").toBool(), expectedEnabled(c))
                    << why << ": " << c.caption.toStdString();
            }
        }
    };
    for (const Permissions::Entry& e : Permissions::table()) {
        resetState();
        signInState().rights[e.string - 1][e.position - 1] = QLatin1Char('0');
        w.applyRights();
        check([&](const MainCommand& c) { return MainCommands::governingPermission(c) != e.permission; },
              e.name.toStdString() + " refused");
    }
    // A new operator: every governed command off, the others on.
    for (QString& r : signInState().rights) {
        r = QString(31, QLatin1Char('0'));
    }
    w.applyRights();
    check([](const MainCommand& c) { return !MainCommands::governingPermission(c).has_value(); },
          "new operator");
    // The dine-in list's entries follow the board's.
    EXPECT_EQ(MainCommands::governingPermission(
                  *MainCommands::find(CommandPlace::DineInContext, MainAction::DeleteOrder)),
              Permission::DeleteOrder);
}

TEST_F(TmainWindow, ClosingAsksFirstAndCancelLeavesTheSkinAsItWas) {
    for (const char* skin : {"是", "否"}) {
        signInState().skinEnabled = QString::fromUtf8(skin);
        if (signInState().skinEnabled == QStringLiteral("是")) {
            Skin::switchOn(SkinFile::path(store->folder()));
        } else {
            Skin::switchOff();
        }
        Tmain& w = shown();
        messages.clear();
        messages.answerNext(false);
        EXPECT_FALSE(w.close());
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("确实要退出吗？")});
        EXPECT_EQ(qApp->styleSheet().isEmpty(), signInState().skinEnabled == QStringLiteral("否")) << skin;

        messages.answerNext(true);
        EXPECT_TRUE(w.close());
        EXPECT_FALSE(w.isVisible());
        main.reset();
    }
}

TEST_F(TmainWindow, SkinToggleWritesTheStationSettingAndSwitchesTheSkin) {
    Tmain& w = shown();
    auto* button = w.findChild<QPushButton*>(QStringLiteral("取消换肤"));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), QStringLiteral("取消换肤"));

    button->click();
    EXPECT_EQ(StationSettings(store->folder()).read(QStringLiteral("换肤")), QStringLiteral("否"));
    EXPECT_EQ(signInState().skinEnabled, QStringLiteral("否"));
    EXPECT_EQ(button->text(), QStringLiteral("恢复换肤"));
    EXPECT_TRUE(qApp->styleSheet().isEmpty());

    button->click();
    EXPECT_EQ(StationSettings(store->folder()).read(QStringLiteral("换肤")), QStringLiteral("是"));
    EXPECT_EQ(signInState().skinEnabled, QStringLiteral("是"));
    EXPECT_EQ(button->text(), QStringLiteral("取消换肤"));
    EXPECT_EQ(qApp->styleSheet(), fileText(SkinFile::path(store->folder())));
}

TEST_F(TmainWindow, ShowSettlesTheTitleAndTheEnglishCaptions) {
    setting(QStringLiteral("版本语言"), QStringLiteral("英语"));
    Tmain& w = shown();
    EXPECT_EQ(signInState().programTitle, QStringLiteral("岚泽来电显示家政管理系统--中英文双语版"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Lan Ze Vovorada Vevadode 2010"));
    EXPECT_EQ(w.menuBar()->actions().first()->text(), QStringLiteral("Basic data"));
    EXPECT_EQ(w.menuBar()->actions().last()->text(), QStringLiteral("Help"));
    const auto order = w.commands({Command::Place::ToolButton, QStringLiteral("订单开单F1")});
    ASSERT_EQ(order.size(), 1);
    EXPECT_EQ(order.first()->property("text").toString(), QStringLiteral("T/W"));
    EXPECT_EQ(w.findChild<QPushButton*>(QStringLiteral("开单2"))->text(), QStringLiteral("Open"));
}

TEST_F(TmainWindow, BoardListsTheBusinessDaysDeliveryOrdersInTheirColours) {
    const QDate today = QDate::currentDate();
    addOrder(db(), {.number = QStringLiteral("A"), .day = today, .period = QStringLiteral("午餐")});
    addOrder(db(), {.number = QStringLiteral("B"),
                    .day = today,
                    .period = QStringLiteral("晚餐"),
                    .type = QString(),
                    .dispatched = true,
                    .paid = true,
                    .due = QStringLiteral("30.5")});
    addOrder(db(), {.number = QStringLiteral("C"), .day = today, .type = QStringLiteral("堂食")});
    addOrder(db(), {.number = QStringLiteral("D"), .day = today.addDays(-1)});
    Tmain& w = shown();

    GridModel* board = w.board()->list()->model();
    board->fetchAll();
    ASSERT_EQ(board->rowCount(), 2);
    EXPECT_EQ(board->record(0).text(QStringLiteral("单据编号")), QStringLiteral("A"));
    EXPECT_EQ(board->record(1).text(QStringLiteral("单据编号")), QStringLiteral("B"));
    EXPECT_EQ(board->footerText(board->columnOf(QStringLiteral("订单状态"))), QStringLiteral("当前订单："));
    EXPECT_EQ(board->footerText(board->columnOf(QStringLiteral("单据编号"))), QStringLiteral("2张"));
    EXPECT_EQ(board->footerText(board->columnOf(QStringLiteral("应付货款"))), QStringLiteral("50.50"));
    GridModel* dineIn = w.dineInList()->list()->model();
    ASSERT_EQ(dineIn->rowCount(), 1);
    EXPECT_EQ(dineIn->record(0).text(QStringLiteral("单据编号")), QStringLiteral("C"));

    // The seeded store shows colours; the row of a new order is sky blue, a settled one light yellow.
    EXPECT_TRUE(w.colourDisplay());
    EXPECT_EQ(board->colours(0, 0).background, QColor(166, 202, 240));
    EXPECT_EQ(board->colours(1, 3).background, QColor(255, 255, 170));
    w.findChild<QCheckBox*>(QStringLiteral("需要颜色显示"))->setChecked(false);
    EXPECT_FALSE(board->colours(0, 0).background.has_value());
    Query flag(db(), QStringLiteral("select * from 颜色显示"));
    ASSERT_TRUE(flag.first());
    EXPECT_FALSE(flag.yesNo(QStringLiteral("需要颜色")));

    // The statistics count every order type of the business day.
    EXPECT_EQ(w.findChild<TodayPanel*>()->texts().first(), QStringLiteral("3  次"));

    // The detail grid holds the selected order's lines only.
    w.board()->list()->view()->selectRow(1);
    GridModel* detail = w.board()->detail()->model();
    ASSERT_EQ(detail->rowCount(), 1);
    EXPECT_EQ(detail->footerText(3), QStringLiteral("30.50"));
}

TEST_F(TmainWindow, DraggedColumnOrderComesBackAtTheNextStart) {
    Tmain& first = shown();
    QHeaderView* header = first.board()->list()->view()->horizontalHeader();
    header->moveSection(header->visualIndex(7), 0);  // 地址 to the front
    Query stored(db(), QStringLiteral("select * from 主窗口订单显示顺序 order by 排序编号"));
    ASSERT_TRUE(stored.first());
    EXPECT_EQ(stored.text(QStringLiteral("字段名称")), QStringLiteral("地址"));
    const QStringList dragged = first.board()->list()->columnOrder();
    main.reset();

    Tmain& second = shown();
    EXPECT_EQ(second.board()->list()->columnOrder(), dragged);
    EXPECT_TRUE(messages.texts().isEmpty());

    // A field the board does not return leaves its column empty, without a message.
    Query(db(), QStringLiteral("update 主窗口订单显示顺序 set 字段名称='旧字段' where 排序编号=1")).exec();
    main.reset();
    Tmain& third = shown();
    EXPECT_EQ(third.board()->list()->columnOrder().value(1), QStringLiteral("旧字段"));
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(TmainWindow, AnotherStationsOrderAppearsWithoutLosingTheSelection) {
    const QDate today = QDate::currentDate();
    for (const char* n : {"A", "B", "C"}) {
        addOrder(db(), {.number = QString::fromUtf8(n), .day = today});
    }
    Tmain& w = shown();
    DataGrid* grid = w.board()->list();
    grid->view()->selectRow(1);
    grid->view()->selectionModel()->select(grid->model()->index(2, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
    auto* phone = w.findChild<QLineEdit*>(QStringLiteral("phoneNumber"));
    phone->setText(QStringLiteral("1380"));

    auto other = store->openAnother();
    addOrder(*other, {.number = QStringLiteral("0"), .day = today});
    ASSERT_TRUE(QTest::qWaitFor([&] { return grid->model()->rowCount() == 4; }, 5000));
    EXPECT_EQ(w.board()->currentOrder(), QStringLiteral("B"));
    EXPECT_EQ(w.board()->selectedOrders(), (QStringList{QStringLiteral("B"), QStringLiteral("C")}));
    EXPECT_EQ(phone->text(), QStringLiteral("1380"));
}

TEST_F(TmainWindow, BirthdayWindowOpensOnlyWhenACustomerHasHisBirthdayToday) {
    shown();
    QTest::qWait(1300);
    EXPECT_FALSE(windows->isCreated(QStringLiteral("TFjingri_shengri")));
    main.reset();

    Query(db(), QStringLiteral("insert into 客户资料 (客户姓名,生日月,生日日) values ('王芳',:m,:d)"))
        .bindInteger(QStringLiteral("m"), QDate::currentDate().month())
        .bindInteger(QStringLiteral("d"), QDate::currentDate().day())
        .exec();
    shown();
    EXPECT_TRUE(QTest::qWaitFor([&] { return opened("TFjingri_shengri"); }, 3000));
}

TEST_F(TmainWindow, StatisticsChangeOnlyWhenRefreshedAndTheChartWhenItsPageIsChosen) {
    const QDate today = QDate::currentDate();
    addOrder(db(), {.number = QStringLiteral("A"), .day = today, .items = {{QStringLiteral("宫保鸡丁"), 2}}});
    Tmain& w = shown();
    auto* panel = w.findChild<TodayPanel*>();
    EXPECT_EQ(panel->texts().first(), QStringLiteral("1  次"));

    addOrder(db(), {.number = QStringLiteral("B"), .day = today, .items = {{QStringLiteral("米饭"), 3}}});
    w.shuaxinmain();
    EXPECT_EQ(w.board()->list()->model()->rowCount(), 2);
    EXPECT_EQ(panel->texts().first(), QStringLiteral("1  次"));  // the board moved on, the figures did not
    w.findChild<QPushButton*>(QStringLiteral("刷新"))->click();
    EXPECT_EQ(panel->texts().first(), QStringLiteral("2  次"));

    auto* chart = w.findChild<ItemChartPage*>();
    EXPECT_TRUE(chart->bars().isEmpty());
    w.findChild<QTabWidget*>(QStringLiteral("boardPages"))->setCurrentIndex(Tmain::ChartPage);
    ASSERT_EQ(chart->bars().size(), 2);
    double total = 0;
    for (const ItemQuantity& b : chart->bars()) {
        total += b.quantity;
    }
    EXPECT_EQ(total, 5);
}

TEST_F(TmainWindow, StationWithoutDispatchHidesTheUndispatchedStatesAndDispatchCommands) {
    Tmain& w = shown();
    auto visibleCarriers = [&](CommandPlace place, MainAction action) {
        const MainCommand* c = MainCommands::find(place, action);
        return w.carriers(*c).first()->property("visible").toBool();
    };
    for (bool used : {false, true}) {
        w.setDispatchUsed(used);
        for (const char* name : {"未派工，未交款：", "未派工，已收款：", "未派工未交款", "未派工已收款"}) {
            EXPECT_EQ(w.findChild<QWidget*>(QString::fromUtf8(name))->isHidden(), !used) << name;
        }
        EXPECT_FALSE(w.findChild<QWidget*>(QStringLiteral("已派工未收款"))->isHidden());
        EXPECT_EQ(visibleCarriers(CommandPlace::ToolButton, MainAction::DispatchSingle), used);
        EXPECT_EQ(visibleCarriers(CommandPlace::ToolButton, MainAction::DispatchBatch), used);
        EXPECT_EQ(visibleCarriers(CommandPlace::BoardContext, MainAction::DispatchSingle), used);
        EXPECT_TRUE(visibleCarriers(CommandPlace::MenuItem, MainAction::DispatchSingle));
    }

    // The filter panel: shown while ticked; its own tick hides it and clears both.
    auto* show = w.findChild<QCheckBox*>(QStringLiteral("显示查询条件"));
    auto* panel = w.findChild<BoardFilterPanel*>();
    show->setChecked(true);
    EXPECT_TRUE(panel->isVisible());
    panel->hideTick()->setChecked(true);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_FALSE(show->isChecked());
    EXPECT_FALSE(panel->hideTick()->isChecked());
}

TEST_F(TmainWindow, LookupCommandsOpenTheirWindowsAndClosingRefillsTheFilterLists) {
    registerKnownWindows(*windows, db());
    Tmain& w = shown();
    auto filterLists = [&w] {
        QStringList items;
        for (auto* box : w.findChild<BoardFilterPanel*>()->findChildren<QComboBox*>()) {
            for (int i = 0; i < box->count(); ++i) {
                items << box->itemText(i);
            }
        }
        return items;
    };
    auto menuEntry = [&w](const QString& caption) {
        for (QAction* a : w.findChildren<QAction*>(caption)) {
            if (a->text() == caption) {
                return a;
            }
        }
        return static_cast<QAction*>(nullptr);
    };
    struct Case {
        const char* command;
        const char* window;
        const char* change;  // what the window writes while open; nullptr for none
        const char* listed;  // what the filter lists then hold
    };
    for (const Case& c :
         {Case{"工作人员管理", "Tpeisongyuan_list", "insert into 员工列表 (姓名) values ('孙八')", "孙八"},
          Case{"客户区域管理", "Tqvyu_shezhi", "insert into 区域 (区域) values ('城南')", "城南"},
          Case{"客户类型设置", "TFkehu_leixing", nullptr, nullptr},
          Case{"业务类别设置", "TFzhonglei_shezhi", nullptr, nullptr},
          Case{"服务要求设置", "Tfkouwei_shezhi", nullptr, nullptr},
          Case{"优惠时段设置", "TFyouhui_shiduan", nullptr, nullptr}}) {
        QAction* entry = menuEntry(QString::fromUtf8(c.command));
        ASSERT_NE(entry, nullptr) << c.command;
        bool seen = false;
        onNextModal([&](QDialog* d) {
            seen = true;
            EXPECT_EQ(d->objectName(), QString::fromUtf8(c.window));
            if (c.change) {
                Query::run(db(), QString::fromUtf8(c.change));
                EXPECT_FALSE(filterLists().contains(QString::fromUtf8(c.listed)));
            }
            d->reject();
        });
        entry->trigger();
        EXPECT_TRUE(seen) << c.command;
        if (c.listed) {
            EXPECT_TRUE(filterLists().contains(QString::fromUtf8(c.listed))) << c.command;
        }
    }
}
