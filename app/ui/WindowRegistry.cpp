#include "app/ui/WindowRegistry.h"

namespace lanze {

namespace {
WindowRegistry* installed = nullptr;
}

WindowRegistry::WindowRegistry() = default;

WindowRegistry::~WindowRegistry() {
    if (installed == this) {
        installed = nullptr;
    }
    // Later windows first: the main window, which parents the others, goes last.
    for (auto it = createdOrder_.rbegin(); it != createdOrder_.rend(); ++it) {
        delete windows_[*it].data();
    }
}

WindowRegistry* WindowRegistry::current() {
    return installed;
}
void WindowRegistry::install(WindowRegistry* registry) {
    installed = registry;
}

const QStringList& WindowRegistry::catalogue() {
    static const QStringList names = {
        QStringLiteral("Tmain"),
        QStringLiteral("TFgongneng_tishi"),
        QStringLiteral("Tcaidan_guanli"),
        QStringLiteral("Tmenu_add"),
        QStringLiteral("Tpeisongyuan_add"),
        QStringLiteral("Tpeisongyuan_list"),
        QStringLiteral("Tkehu_add"),
        QStringLiteral("Tkehu_list"),
        QStringLiteral("Tqvyu_shezhi"),
        QStringLiteral("Txiaoshou"),
        QStringLiteral("Tchaxun"),
        QStringLiteral("Tticheng_mingxi"),
        QStringLiteral("Tfahuo"),
        QStringLiteral("Tshoukuan"),
        QStringLiteral("Tqiandan"),
        QStringLiteral("Ttuihuo"),
        QStringLiteral("Ttuikuan"),
        QStringLiteral("Ttuidan"),
        QStringLiteral("Tabout"),
        QStringLiteral("Tcaozuoyuan_add"),
        QStringLiteral("Tcaozuoyuan_list"),
        QStringLiteral("Txiugai_mima"),
        QStringLiteral("Tshujv_guanli"),
        QStringLiteral("Tdangri_yeji"),
        QStringLiteral("Tqiandan_chaxun"),
        QStringLiteral("Tlaidian_jilu"),
        QStringLiteral("TFfengwei_shezhi"),
        QStringLiteral("TFdianming_shezhi"),
        QStringLiteral("TFzhonglei_shezhi"),
        QStringLiteral("TFdingdan_xiugai"),
        QStringLiteral("Tfkouwei_shezhi"),
        QStringLiteral("TFkehu_leixing"),
        QStringLiteral("TFxiaoshou_huizong"),
        QStringLiteral("TFkehu_xiaofei_chaxun"),
        QStringLiteral("TFdiandan_shijian_tongji"),
        QStringLiteral("TFsongcan_shijian_tongji"),
        QStringLiteral("TFshanchu_chaxun"),
        QStringLiteral("TFduanxin_zhanghu"),
        QStringLiteral("TFduanxin_fasong"),
        QStringLiteral("TFduanxin_fasong_xiangxi"),
        QStringLiteral("TFlaidian_luyin"),
        QStringLiteral("TFdayin_76"),
        QStringLiteral("TFdayin_58"),
        QStringLiteral("TFcaigou_jinhuo"),
        QStringLiteral("Tfcaigou_leibie"),
        QStringLiteral("Tfcaigou_guanli"),
        QStringLiteral("Tfcaipin_add"),
        QStringLiteral("TFrixiaoshou_huizong"),
        QStringLiteral("TFshujv_chushihua"),
        QStringLiteral("TFkehu_zhuizong"),
        QStringLiteral("TFkehu_xiaofei_huizong"),
        QStringLiteral("TFfahuo_chengpi"),
        QStringLiteral("TFjifen_duihuan"),
        QStringLiteral("TFjifen_duihuan_chaxun"),
        QStringLiteral("TFkehu_huifang"),
        QStringLiteral("TFhuifang_chaxun"),
        QStringLiteral("TFyouhui_shiduan"),
        QStringLiteral("TFtuiguang"),
        QStringLiteral("TFjifen_duihuan_shangpin"),
        QStringLiteral("TFzhanghu_chongzhi"),
        QStringLiteral("TFjingri_shengri"),
        QStringLiteral("Txiaoshou_tangshi"),
        QStringLiteral("TFshoukuan_chengpi"),
        QStringLiteral("Tfqiandan_shoukuan"),
        QStringLiteral("Txiaoshou_tiaoma"),
        QStringLiteral("TFchengpin_ruku"),
        QStringLiteral("TFcaigou_tuihuo"),
        QStringLiteral("TFhebin_tishi"),
        QStringLiteral("TFchongzhi_jilu"),
        QStringLiteral("TFkouwei_bianji"),
        QStringLiteral("TFchushihua_mima_xiugai"),
        QStringLiteral("TFqvyu_add"),
        QStringLiteral("TFkhlx_add"),
        QStringLiteral("TFtuicai"),
        QStringLiteral("TFgongzuo_moshi"),
    };
    return names;
}

bool WindowRegistry::add(const QString& name, Factory factory) {
    if (!knows(name) || !factory) {
        return false;
    }
    factories_[name] = std::move(factory);
    return true;
}

bool WindowRegistry::isBuilt(const QString& name) const {
    return factories_.count(name) > 0;
}

bool WindowRegistry::isCreated(const QString& name) const {
    const auto it = windows_.find(name);
    return it != windows_.end() && !it->second.isNull();
}

QStringList WindowRegistry::notBuilt() const {
    QStringList out;
    for (const QString& name : catalogue()) {
        if (!isBuilt(name)) {
            out << name;
        }
    }
    return out;
}

QWidget* WindowRegistry::window(const QString& name) {
    if (isCreated(name)) {
        return windows_[name];
    }
    const auto f = factories_.find(name);
    if (f == factories_.end()) {
        return nullptr;
    }
    QWidget* w = f->second(name == kMainWindow ? nullptr : parent_.data());
    if (!w) {
        return nullptr;
    }
    windows_[name] = w;
    createdOrder_.removeAll(name);
    createdOrder_.append(name);
    return w;
}

}  // namespace lanze
