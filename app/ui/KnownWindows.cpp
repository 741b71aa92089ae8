#include "app/ui/KnownWindows.h"

#include "app/TDM.h"
#include "app/ui/WindowRegistry.h"
#include "board/ui/Tabout.h"
#include "board/ui/Tmain.h"
#include "catalogue/ui/TFzhonglei_shezhi.h"
#include "customers/ui/TFkehu_leixing.h"
#include "customers/ui/TFkhlx_add.h"
#include "customers/ui/TFqvyu_add.h"
#include "customers/ui/Tpeisongyuan_add.h"
#include "customers/ui/Tpeisongyuan_list.h"
#include "customers/ui/Tqvyu_shezhi.h"
#include "orders/ui/TFkouwei_bianji.h"
#include "orders/ui/TFtuicai.h"
#include "orders/ui/TFyouhui_shiduan.h"
#include "orders/ui/Tfkouwei_shezhi.h"
#include "settings/ui/TFdianming_shezhi.h"
#include "signin/ui/TFchushihua_mima_xiugai.h"
#include "signin/ui/Tcaozuoyuan_add.h"
#include "signin/ui/Tcaozuoyuan_list.h"
#include "signin/ui/Txiugai_mima.h"

namespace lanze {

void registerKnownWindows(WindowRegistry& windows, Database& db) {
    windows.add(QStringLiteral("Tmain"),
                [&windows, &db](QWidget* parent) { return new Tmain(db, windows, parent); });
    windows.add(QStringLiteral("Tcaozuoyuan_list"),
                [&db](QWidget* parent) { return new Tcaozuoyuan_list(db, parent); });
    windows.add(QStringLiteral("Tcaozuoyuan_add"),
                [&db](QWidget* parent) { return new Tcaozuoyuan_add(db, std::nullopt, parent); });
    windows.add(QStringLiteral("Txiugai_mima"),
                [&db](QWidget* parent) { return new Txiugai_mima(db, parent); });
    windows.add(QStringLiteral("TFchushihua_mima_xiugai"),
                [&db](QWidget* parent) { return new TFchushihua_mima_xiugai(db, parent); });
    windows.add(QStringLiteral("Tabout"), [](QWidget* parent) { return new Tabout(parent); });
    // The settings dialog works on the data module's store folder as well as its database.
    if (TDM* dm = TDM::instance()) {
        windows.add(QStringLiteral("TFdianming_shezhi"),
                    [dm](QWidget* parent) { return new TFdianming_shezhi(*dm, parent); });
    }

    // Lookup tables. The two list windows use the program's long-lived editors.
    windows.add(QStringLiteral("TFkhlx_add"), [](QWidget* parent) { return new TFkhlx_add(parent); });
    windows.add(QStringLiteral("TFkehu_leixing"), [&windows, &db](QWidget* parent) {
        return new TFkehu_leixing(db, windows.window<TFkhlx_add>(QStringLiteral("TFkhlx_add")), parent);
    });
    windows.add(QStringLiteral("Tpeisongyuan_add"),
                [](QWidget* parent) { return new Tpeisongyuan_add(parent); });
    windows.add(QStringLiteral("Tpeisongyuan_list"), [&windows, &db](QWidget* parent) {
        return new Tpeisongyuan_list(db, windows.window<Tpeisongyuan_add>(QStringLiteral("Tpeisongyuan_add")),
                                     parent);
    });
    windows.add(QStringLiteral("Tqvyu_shezhi"),
                [&db](QWidget* parent) { return new Tqvyu_shezhi(db, parent); });
    windows.add(QStringLiteral("TFqvyu_add"), [&db](QWidget* parent) { return new TFqvyu_add(db, parent); });
    windows.add(QStringLiteral("TFkouwei_bianji"),
                [&db](QWidget* parent) { return new TFkouwei_bianji(db, parent); });
    windows.add(QStringLiteral("TFtuicai"), [](QWidget* parent) { return new TFtuicai(parent); });
    windows.add(QStringLiteral("TFyouhui_shiduan"),
                [&db](QWidget* parent) { return new TFyouhui_shiduan(db, parent); });
    windows.add(QStringLiteral("Tfkouwei_shezhi"),
                [&db](QWidget* parent) { return new Tfkouwei_shezhi(db, parent); });
    windows.add(QStringLiteral("TFzhonglei_shezhi"),
                [&db](QWidget* parent) { return new TFzhonglei_shezhi(db, parent); });
}

}  // namespace lanze
