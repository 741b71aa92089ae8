#include "app/ui/KnownWindows.h"

#include "app/TDM.h"
#include "app/ui/WindowRegistry.h"
#include "board/ui/Tabout.h"
#include "board/ui/Tmain.h"
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
}

}  // namespace lanze
