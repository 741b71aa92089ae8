#include "core/store/DemoData.h"

#include <QDateTime>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <memory>
#include <random>
#include <variant>
#include <vector>

#include "core/db/Database.h"
#include "core/db/DbError.h"
#include "core/db/Query.h"
#include "core/db/Transaction.h"
#include "core/text/PinyinInitials.h"
#include "core/types/Money.h"

namespace lanze {

namespace {

// A seeded generator with its own fixed ways of drawing, so that a seed means the same data with any
// standard library.
class Random {
  public:
    explicit Random(quint64 seed) : engine_(seed) {}
    quint64 below(quint64 n) { return n == 0 ? 0 : engine_() % n; }
    int range(int lo, int hi) { return lo + int(below(quint64(hi - lo + 1))); }
    double unit() { return double(engine_() >> 11) * 0x1.0p-53; }
    bool chance(double p) { return unit() < p; }
    template <typename T>
    const T& pick(const std::vector<T>& v) {
        return v[below(v.size())];
    }
    // An index drawn by weights.
    int weighted(const std::vector<int>& weights) {
        int total = 0;
        for (int w : weights) {
            total += w;
        }
        int r = int(below(quint64(total)));
        for (int i = 0; i < int(weights.size()); ++i) {
            if (r < weights[i]) {
                return i;
            }
            r -= weights[i];
        }
        return int(weights.size()) - 1;
    }

  private:
    std::mt19937_64 engine_;
};

using Value = std::variant<std::monostate, QString, qint64, double, bool, Money, QDate, QDateTime>;

// Many rows per insert statement: the embedded engine and the server both take a few hundred rows a
// statement far faster than one row at a time.
class BatchInsert {
  public:
    BatchInsert(Database& db, QString table, QStringList columns, int rowsPerStatement = 20)
        : db_(db), table_(std::move(table)), columns_(std::move(columns)), perStatement_(rowsPerStatement) {}
    ~BatchInsert() = default;

    void add(std::vector<Value> row) {
        if (int(row.size()) != columns_.size()) {
            throw DbError(QStringLiteral("生成数据：%1 的一行有 %2 个值").arg(table_).arg(row.size()));
        }
        rows_.push_back(std::move(row));
        ++written_;
        if (int(rows_.size()) == perStatement_) {
            flush();
        }
    }

    void flush() {
        if (rows_.empty()) {
            return;
        }
        const int n = int(rows_.size());
        std::unique_ptr<Query>& q = n == perStatement_ ? full_ : partial_;
        if (!q || n != preparedRows(q.get())) {
            q = std::make_unique<Query>(db_, statementFor(n));
            if (n != perStatement_) {
                partialRows_ = n;
            }
        }
        for (int r = 0; r < n; ++r) {
            for (int c = 0; c < columns_.size(); ++c) {
                bind(*q, QStringLiteral("v%1_%2").arg(r).arg(c), rows_[r][c]);
            }
        }
        q->exec();
        rows_.clear();
    }

    qint64 written() const { return written_; }

  private:
    int preparedRows(const Query* q) const { return q == full_.get() ? perStatement_ : partialRows_; }

    QString statementFor(int n) const {
        QStringList tuples;
        for (int r = 0; r < n; ++r) {
            QStringList names;
            for (int c = 0; c < columns_.size(); ++c) {
                names << QStringLiteral(":v%1_%2").arg(r).arg(c);
            }
            tuples << QLatin1Char('(') + names.join(QLatin1Char(',')) + QLatin1Char(')');
        }
        return QStringLiteral("insert into %1 (%2) values %3")
            .arg(table_, columns_.join(QLatin1Char(',')), tuples.join(QLatin1Char(',')));
    }

    static void bind(Query& q, const QString& name, const Value& v) {
        struct Binder {
            Query& q;
            const QString& name;
            void operator()(std::monostate) { q.bindNull(name); }
            void operator()(const QString& s) { q.bindText(name, s); }
            void operator()(qint64 i) { q.bindInteger(name, i); }
            void operator()(double d) { q.bindNumber(name, d); }
            void operator()(bool b) { q.bindYesNo(name, b); }
            void operator()(Money m) { q.bindMoney(name, m); }
            void operator()(const QDate& d) { q.bindDate(name, d); }
            void operator()(const QDateTime& t) { q.bindDateTime(name, t); }
        };
        std::visit(Binder{q, name}, v);
    }

    Database& db_;
    QString table_;
    QStringList columns_;
    int perStatement_;
    int partialRows_ = 0;
    std::vector<std::vector<Value>> rows_;
    std::unique_ptr<Query> full_;
    std::unique_ptr<Query> partial_;
    qint64 written_ = 0;
};

QStringList split(const char* words) {
    return QString::fromUtf8(words).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

std::vector<QString> vec(const QStringList& l) {
    return std::vector<QString>(l.begin(), l.end());
}

struct CustomerType {
    QString name;
    double discount;
    int weight;
    bool member;
};

struct MenuItem {
    QString name;
    QString category;
    Money price;
    Money commission;
};

struct Taste {
    QString name;
    Money surcharge;
};

struct Customer {
    qint64 id = 0;
    QString name;
    QString phones;
    QString firstPhone;
    QString address;
    QStringList otherAddresses;
    QString company;
    int type = 0;
    QString region;
    QString qq;
    Money balance;
    double points = 0;
    Money spent;
    qint64 visits = 0;
};

QString mobile(Random& rnd) {
    static const std::vector<QString> prefixes =
        vec(split("130 131 132 135 136 137 138 139 150 151 152 155 158 159 "
                  "166 176 177 180 186 187 188 189"));
    return rnd.pick(prefixes) + QStringLiteral("%1").arg(rnd.below(100000000), 8, 10, QLatin1Char('0'));
}

QString dateTimeText(const QDateTime& t) {
    return t.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

class Generator {
  public:
    Generator(Database& db, const DemoDataOptions& o) : db_(db), o_(o), rnd_(o.seed) {}

    DemoDataSummary run(const std::function<void(int)>& progress) {
        checkEmpty();
        {
            Transaction tx(db_);
            masterData();
            customers();
            tx.commit();
        }
        const QDate first = o_.lastDay.addDays(1 - o_.days);
        for (int d = 0; d < o_.days; ++d) {
            Transaction tx(db_);
            day(first.addDays(d), d == o_.days - 1);
            tx.commit();
            if (progress) {
                progress(d + 1);
            }
        }
        {
            Transaction tx(db_);
            customerTotals();
            tx.commit();
        }
        summary_.customers = qint64(customers_.size());
        summary_.menuItems = qint64(menu_.size());
        return summary_;
    }

  private:
    void checkEmpty() {
        for (const QString& table :
             {QStringLiteral("产品销售开票"), QStringLiteral("客户资料"), QStringLiteral("菜单表")}) {
            Query q(db_, QStringLiteral("select count(*) as cc from ") + table);
            if (q.first() && q.integer(QStringLiteral("cc")) > 0) {
                throw DbError(
                    QStringLiteral("店铺的%1里已经有数据：演示数据只能生成到新建的店铺里").arg(table));
            }
        }
    }

    void masterData() {
        regions_ = vec(
            split("东城区 西城区 朝阳区 海淀区 丰台区 石景山区 通州区 昌平区 大兴区 顺义区 房山区 开发区"));
        {
            Query q(db_, QStringLiteral("insert into 区域 (区域) values (:区域)"));
            for (const QString& r : regions_) {
                q.bindText(QStringLiteral("区域"), r).exec();
            }
        }
        types_ = {{QStringLiteral("普通客户"), 10, 70, false},
                  {QStringLiteral("会员客户"), 9.5, 15, true},
                  {QStringLiteral("金卡会员"), 9, 5, true},
                  {QStringLiteral("协议单位"), 8.8, 7, false},
                  {QStringLiteral("员工家属"), 8, 3, false}};
        {
            Query q(db_, QStringLiteral("insert into 客户类型 (客户类型,折扣率) values (:客户类型,:折扣率)"));
            for (const auto& t : types_) {
                q.bindText(QStringLiteral("客户类型"), t.name)
                    .bindNumber(QStringLiteral("折扣率"), t.discount)
                    .exec();
            }
        }
        {
            Query q(db_, QStringLiteral("insert into 员工列表 (姓名,电话,所用车辆,送餐次数提成) values "
                                        "(:姓名,:电话,:所用车辆,:送餐次数提成)"));
            const auto vehicles = vec(split("电动车 摩托车 自行车 电动三轮"));
            for (int i = 0; i < 12; ++i) {
                QString name;
                do {
                    name = personName();
                } while (std::find(workers_.begin(), workers_.end(), name) != workers_.end());
                workers_.push_back(name);
                q.bindText(QStringLiteral("姓名"), name)
                    .bindText(QStringLiteral("电话"), mobile(rnd_))
                    .bindText(QStringLiteral("所用车辆"), rnd_.pick(vehicles))
                    .bindMoney(QStringLiteral("送餐次数提成"), Money::fromYuan(2))
                    .exec();
            }
        }
        {
            Query q(db_, QStringLiteral("insert into 风味 (风味) values (:风味)"));
            for (const QString& f : split("川菜 粤菜 鲁菜 湘菜 家常菜")) {
                flavours_.push_back(f);
                q.bindText(QStringLiteral("风味"), f).exec();
            }
        }
        tastes_ = {{QStringLiteral("微辣"), Money()},
                   {QStringLiteral("中辣"), Money()},
                   {QStringLiteral("特辣"), Money()},
                   {QStringLiteral("少盐"), Money()},
                   {QStringLiteral("不要葱花"), Money()},
                   {QStringLiteral("不要香菜"), Money()},
                   {QStringLiteral("加饭"), Money::fromYuan(2)},
                   {QStringLiteral("加蛋"), Money::fromYuan(1)}};
        {
            Query q(db_, QStringLiteral("insert into 口味 (口味,加价) values (:口味,:加价)"));
            for (const auto& t : tastes_) {
                q.bindText(QStringLiteral("口味"), t.name)
                    .bindMoney(QStringLiteral("加价"), t.surcharge)
                    .exec();
            }
        }
        {
            Query q(db_, QStringLiteral("insert into 餐台号 (餐台号) values (:餐台号)"));
            for (int i = 1; i <= 20; ++i) {
                const QString t = QStringLiteral("%1%2")
                                      .arg(i <= 12 ? QLatin1Char('A') : QLatin1Char('B'))
                                      .arg(i <= 12 ? i : i - 12, 2, 10, QLatin1Char('0'));
                tables_.push_back(t);
                q.bindText(QStringLiteral("餐台号"), t).exec();
            }
        }
        menu();
    }

    void menu() {
        struct Category {
            const char* name;
            std::vector<QString> names;
            int take;
            int minPrice;
            int maxPrice;
        };
        auto cross = [](const char* a, const char* b) {
            std::vector<QString> out;
            for (const QString& x : split(a)) {
                for (const QString& y : split(b)) {
                    out.push_back(x + y);
                }
            }
            return out;
        };
        std::vector<Category> categories = {
            {"热菜",
             cross("红烧 清蒸 干煸 爆炒 香辣 糖醋 酸辣 蒜蓉 鱼香 宫保 水煮 麻辣 葱爆 京酱 椒盐 孜然",
                   "鸡丁 牛肉 排骨 鱼片 虾仁 茄子 豆腐 土豆丝 肉丝 鸡翅 里脊 鱿鱼 腰花 肥肠 羊肉 花菜 豆角 "
                   "白菜 藕片 扁豆"),
             120, 18, 68},
            {"凉菜",
             cross("凉拌 老醋 蒜泥 红油 麻酱 香油",
                   "黄瓜 木耳 海蜇 花生 豆皮 藕片 莴笋 白肉 猪耳 皮蛋 粉丝 菠菜"),
             36, 8, 28},
            {"汤类", cross("番茄 紫菜 酸辣 冬瓜 玉米 萝卜 菌菇 鲫鱼 老鸭 西湖", "蛋花汤 豆腐汤 丸子汤"), 24,
             10, 38},
            {"主食", cross("蛋 肉丝 牛肉 虾仁 鸡丁 腊肠 什锦 咖喱 扬州", "炒饭 炒面 盖饭 炒河粉"), 28, 10,
             26},
            {"面食", cross("牛肉 炸酱 阳春 番茄鸡蛋 担担 油泼 刀削 酸汤 排骨 雪菜肉丝", "面 拌面"), 18, 10,
             28},
            {"饺子",
             cross("猪肉白菜 猪肉大葱 韭菜鸡蛋 三鲜 羊肉胡萝卜 牛肉芹菜 素三鲜 虾仁", "水饺 蒸饺 锅贴"), 20,
             12, 32},
            {"粥品", cross("小米 皮蛋瘦肉 八宝 南瓜 绿豆 红枣 海鲜 生滚牛肉", "粥"), 8, 5, 18},
            {"小吃",
             vec(split("春卷 炸鸡翅 薯条 烤肠 煎饺 葱油饼 手抓饼 烧卖 小笼包 韭菜盒子 炸馒头片 鸡米花")), 12,
             5, 20},
            {"饮料", vec(split("可乐 雪碧 橙汁 凉茶 矿泉水 酸梅汤 豆浆 啤酒 奶茶 椰汁")), 10, 3, 12},
            {"套餐",
             cross("宫保鸡丁 鱼香肉丝 红烧肉 土豆牛肉 黑椒鸡排 梅菜扣肉 回锅肉 糖醋里脊", "套餐 双人套餐"),
             16, 22, 58},
        };
        Query cat(db_, QStringLiteral("insert into 种类 (种类,排序编号) values (:种类,:排序编号)"));
        BatchInsert items(
            db_, QStringLiteral("菜单表"),
            split("食物总类 编号 名称 单价 备注 拼音 当前库存 单位成本 库存总额 排序编号 业务员提成 风味"));
        int order = 0;
        for (int c = 0; c < int(categories.size()); ++c) {
            Category& k = categories[c];
            const QString category = QString::fromUtf8(k.name);
            cat.bindText(QStringLiteral("种类"), category)
                .bindInteger(QStringLiteral("排序编号"), c + 1)
                .exec();
            // A fixed shuffle picks which combinations this shop sells.
            for (int i = int(k.names.size()) - 1; i > 0; --i) {
                std::swap(k.names[i], k.names[rnd_.below(quint64(i + 1))]);
            }
            const int take = std::min<int>(k.take, int(k.names.size()));
            for (int i = 0; i < take; ++i) {
                ++order;
                // Prices in whole yuan or half yuan, as menus are written.
                const Money price =
                    Money::fromUnits(qint64(rnd_.range(k.minPrice * 2, k.maxPrice * 2)) * Money::kScale / 2);
                const Money commission = rnd_.chance(0.3) ? Money::fromUnits(Money::kScale / 2) : Money();
                const Money cost = price * 0.4;
                const double stock = 200;
                menu_.push_back({k.names[i], category, price, commission});
                items.add({category, QStringLiteral("%1").arg(order, 3, 10, QLatin1Char('0')), k.names[i],
                           price, QString(), pinyinKey(k.names[i]), Money::fromYuan(qint64(stock)), cost,
                           cost * stock, qint64(order), commission,
                           c == 0 ? Value(rnd_.pick(flavours_)) : Value(QString())});
            }
        }
        items.flush();
    }

    QString personName() {
        static const std::vector<QString> surnames =
            vec(split("王 李 张 刘 陈 杨 黄 赵 吴 周 徐 孙 马 朱 胡 郭 何 高 林 罗 郑 梁 谢 宋 唐 许 韩 冯 "
                      "邓 曹 彭 曾 肖 田 董 袁 潘 "
                      "于 蒋 蔡 余 杜 叶 程 苏 魏 吕 丁 任 沈 姚 卢 姜 崔 钟 谭 陆 汪 范 金 石 廖 贾 夏 韦 "
                      "付 方 白 邹 孟 熊 秦 邱 江 尹"));
        static const std::vector<QString> given =
            vec(split("伟 芳 娜 秀英 敏 静 丽 强 磊 军 洋 勇 艳 杰 娟 涛 明 超 秀兰 霞 平 刚 桂英 华 建华 "
                      "建国 丹 萍 鑫 红 玉兰 斌 "
                      "宇 浩 凯 晨 婷 雪 琳 晶 欣 颖 鹏 辉 飞 波 宁 亮 慧 倩 志强 建军 海燕 文 博 子涵 梓轩 "
                      "一诺 思远 佳怡 雨桐"));
        return rnd_.pick(surnames) + rnd_.pick(given);
    }

    QString address(const QString& region) {
        static const std::vector<QString> roads =
            vec(split("建设路 人民路 解放路 中山路 和平街 新华路 光明路 幸福路 朝阳路 文化路 学院路 长安街 "
                      "东风路 胜利路 青年路 "
                      "建国路 团结路 育才路 望京街 花园路"));
        static const std::vector<QString> estates =
            vec(split("阳光小区 金色家园 翠湖苑 和谐家园 幸福里 锦绣华庭 东方花园 绿地公寓 康居小区 紫薇苑 "
                      "丽景湾 华府"));
        return QStringLiteral("%1%2%3号%4%5号楼%6单元%7室")
            .arg(region, rnd_.pick(roads))
            .arg(rnd_.range(1, 300))
            .arg(rnd_.pick(estates))
            .arg(rnd_.range(1, 30))
            .arg(rnd_.range(1, 6))
            .arg(rnd_.range(1, 28) * 100 + rnd_.range(1, 4));
    }

    void customers() {
        static const std::vector<QString> companies =
            vec(split("华联商贸有限公司 宏达科技有限公司 新世纪广告公司 恒信会计师事务所 第一中学 市人民医院 "
                      "远航物流公司 "
                      "金鼎建筑工程公司 天成律师事务所 博雅培训学校"));
        std::vector<int> typeWeights;
        for (const auto& t : types_) {
            typeWeights.push_back(t.weight);
        }
        BatchInsert rows(
            db_, QStringLiteral("客户资料"),
            split("客户姓名 联系电话 联系地址 客户单位 客户类型 客户地区 客户备注 手工编码 购物次数 购物金额 "
                  "帐户余额 积分 黑名单 信用等级 QQ 身份证号 生日 生日月 生日日"));
        customers_.resize(size_t(std::max(1, o_.customers)));
        for (size_t i = 0; i < customers_.size(); ++i) {
            Customer& c = customers_[i];
            c.name = personName() +
                     (rnd_.chance(0.15) ? (rnd_.chance(0.5) ? QStringLiteral("先生") : QStringLiteral("女士"))
                                        : QString());
            c.firstPhone = mobile(rnd_);
            c.phones = c.firstPhone;
            if (rnd_.chance(0.2)) {
                c.phones += QStringLiteral(",010-6%1").arg(rnd_.below(10000000), 7, 10, QLatin1Char('0'));
            }
            c.region = rnd_.pick(regions_);
            c.address = address(c.region);
            c.type = rnd_.weighted(typeWeights);
            if (types_[size_t(c.type)].name == QStringLiteral("协议单位") || rnd_.chance(0.1)) {
                c.company = rnd_.pick(companies);
            }
            if (rnd_.chance(0.15)) {
                c.qq = QString::number(10000 + rnd_.below(900000000));
            }
            const bool member = types_[size_t(c.type)].member;
            c.balance = member ? Money::fromYuan(qint64(rnd_.range(2, 60)) * 50) : Money();
            const bool birthday = rnd_.chance(0.3);
            const QDate born = QDate(1950, 1, 1).addDays(qint64(rnd_.below(20000)));
            rows.add({c.name, c.phones, c.address, c.company, types_[size_t(c.type)].name, c.region,
                      rnd_.chance(0.05) ? Value(QStringLiteral("老客户，送餐前先打电话")) : Value(QString()),
                      member ? Value(QStringLiteral("VIP%1").arg(i + 1, 5, 10, QLatin1Char('0')))
                             : Value(QString()),
                      0.0, Money(), c.balance, 0.0,
                      rnd_.chance(0.01) ? QStringLiteral("是") : QStringLiteral("否"),
                      rnd_.chance(0.2) ? Value(QStringLiteral("好")) : Value(QString()), c.qq, QString(),
                      birthday ? Value(born) : Value(),
                      birthday ? Value(qint64(born.month())) : Value(qint64(0)),
                      birthday ? Value(qint64(born.day())) : Value(qint64(0))});
        }
        rows.flush();
        Query ids(db_, QStringLiteral("select id from 客户资料 order by id"));
        ids.exec();
        size_t i = 0;
        while (ids.next() && i < customers_.size()) {
            customers_[i++].id = ids.integer(QStringLiteral("id"));
        }
        BatchInsert more(db_, QStringLiteral("多个地址"), split("客户编号 客户地址"));
        for (Customer& c : customers_) {
            if (rnd_.chance(0.2)) {
                for (int k = rnd_.range(1, 2); k > 0; --k) {
                    c.otherAddresses << address(rnd_.chance(0.7) ? c.region : rnd_.pick(regions_));
                    more.add({c.id, c.otherAddresses.last()});
                }
            }
        }
        more.flush();
    }

    struct Planned {
        QTime time;
        QString period;
    };

    void day(const QDate& date, bool isLast) {
        static const QStringList lineColumns = split(
            "单据编号 购物日期 时间 开单日期时间 产品名称 数量 已发数量 单价 原价 应付货款 口味 提成 打折 "
            "折后金额 抹零金额 "
            "实付货款 实付票数 欠款 收款方式 签单人姓名 账户支付 现金收入 代金卷 信用卡收取 账户余额 积分 "
            "历史购物总额 "
            "发货完毕 交款完毕 订单状态 订单类型 上下午 餐台号 配送工 发货时间 收款时间 送货时间 送餐日期 "
            "送餐时间 发货备注 "
            "用户反馈 客户编号 客户姓名 客户单位 客户类型 区域 地址 电话 QQ 录音文件");
        static const QStringList callColumns =
            split("电话号码 来电时间 方向 客户名称 客户编号 联系地址 处理结果 订单编号 录音文件 线路");
        static const std::vector<QString> remarks =
            vec(split("多放辣 不要香菜 送到楼下打电话 带零钱 开发票 门卫处签收 少放盐 尽快送达"));
        BatchInsert lines(db_, QStringLiteral("产品销售开票"), lineColumns, 20);
        BatchInsert calls(db_, QStringLiteral("来电历史记录表"), callColumns, 40);

        const int dow = date.dayOfWeek();
        const double busy = dow == 5 || dow == 6 ? 1.25 : (dow == 7 ? 1.1 : 1.0);
        const int count = std::max(1, int(std::lround(o_.ordersPerDay * busy * (0.85 + 0.3 * rnd_.unit()))));
        std::vector<Planned> plan(static_cast<size_t>(count));
        for (Planned& p : plan) {
            switch (rnd_.weighted({50, 35, 15})) {
                case 0:
                    p.time = QTime(10, 30).addSecs(int(rnd_.below(3 * 3600 + 1800)));
                    p.period = QStringLiteral("午餐");
                    break;
                case 1:
                    p.time = QTime(14, 0, 1).addSecs(int(rnd_.below(5 * 3600)));
                    p.period = QStringLiteral("晚餐");
                    break;
                default:
                    p.time = QTime(19, 0, 1).addSecs(int(rnd_.below(4 * 3600 + 3598)));
                    p.period = QStringLiteral("夜宵");
                    break;
            }
        }
        std::stable_sort(plan.begin(), plan.end(),
                         [](const Planned& a, const Planned& b) { return a.time < b.time; });

        const QString dayText = date.toString(QStringLiteral("yyyyMMdd"));
        // The last day is still going on: more of its orders are waiting for dispatch or money.
        const std::vector<int> stateWeights =
            isLast ? std::vector<int>{30, 5, 25, 40} : std::vector<int>{5, 2, 5, 88};
        for (int n = 0; n < count; ++n) {
            const Planned& p = plan[size_t(n)];
            const QString number = dayText + QStringLiteral("%1").arg(n + 1, 4, 10, QLatin1Char('0'));
            const QDateTime at(date, p.time);
            // Regular customers order far more often than the rest.
            const double u = rnd_.unit();
            Customer& c = customers_[size_t(
                std::min<double>(double(customers_.size()) - 1, u * u * double(customers_.size())))];
            const CustomerType& type = types_[size_t(c.type)];

            const int kind = rnd_.weighted({90, 8, 2});  // delivery, dine-in, delivery with no type written
            const bool dineIn = kind == 1;
            const Value orderType = kind == 0 ? Value(QStringLiteral("外卖"))
                                              : (dineIn ? Value(QStringLiteral("堂食")) : Value());
            const QString address =
                !c.otherAddresses.isEmpty() && rnd_.chance(0.3)
                    ? c.otherAddresses[qsizetype(rnd_.below(quint64(c.otherAddresses.size())))]
                    : c.address;

            // Lines: distinct items, mostly one portion each.
            const int lineCount = 1 + rnd_.weighted({18, 25, 22, 17, 11, 7});
            std::vector<int> chosen;
            while (int(chosen.size()) < lineCount) {
                const int k = int(rnd_.below(menu_.size()));
                if (std::find(chosen.begin(), chosen.end(), k) == chosen.end()) {
                    chosen.push_back(k);
                }
            }
            struct Line {
                const MenuItem* item;
                double quantity;
                QString taste;
                Money unitPrice;
                Money amount;
            };
            std::vector<Line> orderLines;
            Money total;
            for (int k : chosen) {
                Line l{&menu_[size_t(k)], double(1 + rnd_.weighted({70, 22, 8})), QString(),
                       menu_[size_t(k)].price, Money()};
                if (rnd_.chance(0.15)) {
                    const Taste& t = rnd_.pick(tastes_);
                    l.taste = t.name;
                    l.unitPrice = l.unitPrice + t.surcharge;
                }
                l.amount = l.unitPrice * l.quantity;
                total += l.amount;
                orderLines.push_back(l);
            }
            const double discount = type.discount;
            const Money discounted = (total * discount / 10).rounded(2);
            // The small change below a yuan is written off on about half the orders.
            const Money writeOff =
                rnd_.chance(0.5) ? discounted - Money::fromYuan(discounted.units() / Money::kScale) : Money();
            const Money due = discounted - writeOff;

            QString payKind;
            switch (rnd_.weighted({78, 6, 8, 4, 2, 2})) {
                case 0:
                    payKind = QStringLiteral("现金");
                    break;
                case 1:
                    payKind = QStringLiteral("签单");
                    break;
                case 2:
                    payKind =
                        type.member && c.balance >= due ? QStringLiteral("帐户支付") : QStringLiteral("现金");
                    break;
                case 3:
                    payKind = QStringLiteral("刷卡");
                    break;
                case 4:
                    payKind = QStringLiteral("微信");
                    break;
                default:
                    break;  // never chosen at the counter: stays null
            }
            const int state = rnd_.weighted(stateWeights);  // no/no, no/yes, yes/no, yes/yes
            bool dispatched = state >= 2;
            bool paid = state == 1 || state == 3;
            if (payKind == QStringLiteral("帐户支付")) {
                paid = true;  // taken from the account when the order is saved
            }
            const QString status =
                QStringLiteral("%1%2").arg(dispatched ? QStringLiteral("已发货") : QStringLiteral("未发货"),
                                           paid ? QStringLiteral("已收款") : QStringLiteral("未收款"));
            const QString worker = dispatched && !dineIn ? rnd_.pick(workers_) : QString();
            const QDateTime dispatchAt = at.addSecs(60 * rnd_.range(5, 25));
            const QDateTime paidAt = dispatchAt.addSecs(60 * rnd_.range(15, 60));
            const QDateTime promised = at.addSecs(60 * rnd_.range(30, 60));
            const Money balanceAfter = payKind == QStringLiteral("帐户支付") ? c.balance - due : c.balance;
            const QString feedback = paid && rnd_.chance(0.5)
                                         ? QStringList{QStringLiteral("非常满意"), QStringLiteral("基本满意"),
                                                       QStringLiteral("不满意")}[rnd_.weighted({60, 35, 5})]
                                         : QString();
            const QString remark = rnd_.chance(0.1) ? rnd_.pick(remarks) : QString();
            const QString table = dineIn ? rnd_.pick(tables_) : QString();
            const QString recording = rnd_.chance(0.03) ? QStringLiteral("快速开单") : QString();
            const bool credit = payKind == QStringLiteral("签单");

            for (const Line& l : orderLines) {
                lines.add({number,
                           date,
                           p.time.toString(QStringLiteral("HH:mm:ss")),
                           at,
                           l.item->name,
                           l.quantity,
                           dispatched ? l.quantity : 0.0,
                           l.unitPrice,
                           l.item->price,
                           l.amount,
                           l.taste,
                           l.item->commission * l.quantity,
                           discount,
                           due,
                           writeOff,
                           paid ? due : Money(),
                           0.0,
                           paid && !credit ? Money() : l.amount,
                           payKind.isEmpty() ? Value() : Value(payKind),
                           credit ? c.name : QString(),
                           payKind == QStringLiteral("帐户支付") ? due : Money(),
                           paid && payKind == QStringLiteral("现金") ? due : Money(),
                           Money(),
                           paid && payKind == QStringLiteral("刷卡") ? due : Money(),
                           balanceAfter,
                           c.points,
                           c.spent,
                           dispatched,
                           paid,
                           status,
                           orderType,
                           p.period,
                           table,
                           worker,
                           dispatched ? dateTimeText(dispatchAt) : QString(),
                           paid ? dateTimeText(paidAt) : QString(),
                           paid && dispatched ? QString::number(dispatchAt.secsTo(paidAt) / 60) : QString(),
                           date,
                           promised,
                           remark,
                           feedback,
                           QString::number(c.id),
                           c.name,
                           c.company,
                           type.name,
                           c.region,
                           address,
                           c.firstPhone,
                           c.qq,
                           recording});
                ++summary_.orderLines;
            }
            ++summary_.orders;
            c.balance = balanceAfter;
            c.points += due.toDouble();
            c.spent += due;
            c.visits += 1;

            if (!dineIn && recording.isEmpty()) {
                calls.add({c.firstPhone, at.addSecs(-60 * rnd_.range(1, 5)), QStringLiteral("打入"), c.name,
                           QString::number(c.id), address, QStringLiteral("订餐"), number, QString(),
                           Value()});
                ++summary_.calls;
            }
            // Some calls end without an order: questions, wrong numbers, calls back to customers.
            if (rnd_.chance(0.1)) {
                const bool outgoing = rnd_.chance(0.2);
                const bool known = rnd_.chance(0.6);
                const Customer& other = customers_[size_t(rnd_.below(customers_.size()))];
                calls.add({known ? other.firstPhone : mobile(rnd_), at.addSecs(rnd_.range(60, 600)),
                           outgoing ? QStringLiteral("打出") : QStringLiteral("打入"),
                           known ? other.name : QString(),
                           known ? QString::number(other.id) : QStringLiteral("无"),
                           known ? other.address : QString(),
                           outgoing ? QStringLiteral("打出") : QStringLiteral("直接关闭"), QString(),
                           QString(), outgoing ? Value(qint64(1)) : Value()});
                ++summary_.calls;
            }
        }
        lines.flush();
        calls.flush();
    }

    void customerTotals() {
        Query q(db_,
                QStringLiteral("update 客户资料 set 购物次数=:购物次数,购物金额=:购物金额,帐户余额=:帐户余额,"
                               "积分=:积分 where id=:id"));
        for (const Customer& c : customers_) {
            if (c.visits == 0) {
                continue;
            }
            q.bindNumber(QStringLiteral("购物次数"), double(c.visits))
                .bindMoney(QStringLiteral("购物金额"), c.spent)
                .bindMoney(QStringLiteral("帐户余额"), c.balance)
                .bindNumber(QStringLiteral("积分"), std::floor(c.points))
                .bindInteger(QStringLiteral("id"), c.id)
                .exec();
        }
    }

    Database& db_;
    DemoDataOptions o_;
    Random rnd_;
    DemoDataSummary summary_;
    std::vector<QString> regions_;
    std::vector<CustomerType> types_;
    std::vector<QString> workers_;
    std::vector<QString> flavours_;
    std::vector<Taste> tastes_;
    std::vector<QString> tables_;
    std::vector<MenuItem> menu_;
    std::vector<Customer> customers_;
};

}  // namespace

DemoDataSummary DemoData::generate(Database& db, const DemoDataOptions& options,
                                   const std::function<void(int)>& progress) {
    if (options.days < 0 || options.customers < 1 || options.ordersPerDay < 1 || !options.lastDay.isValid()) {
        throw DbError(QStringLiteral("生成数据的参数不对：天数不能为负，客户数和每日订单数至少为 1"));
    }
    return Generator(db, options).run(progress);
}

}  // namespace lanze
