#include "core/report/ReportTemplates.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

static void initTemplateResources() {
    Q_INIT_RESOURCE(templates);
}

namespace lanze {

namespace {
QString resourcePath(const QString& fileName) {
    return QStringLiteral(":/templates/") + fileName;
}
}  // namespace

QStringList ReportTemplates::defaultNames() {
    return {kCustom,
            QStringLiteral("自定义报表2.frf"),
            QStringLiteral("自定义报表3.frf"),
            QStringLiteral("自定义报表4.frf"),
            QStringLiteral("自定义报表5.frf"),
            QStringLiteral("自定义报表6.frf"),
            kCustomEnglish,
            kTicketB,
            kTicketC,
            kKitchenPerLine,
            kMemberCardReceipt,
            kPurchaseDocument,
            kPurchaseLines};
}

QString ReportTemplates::builtInText(const QString& fileName) {
    static const bool initialised = [] {
        initTemplateResources();
        return true;
    }();
    Q_UNUSED(initialised);
    if (!defaultNames().contains(fileName)) {
        return QString();
    }
    QFile f(resourcePath(fileName));
    if (!f.open(QIODevice::ReadOnly)) {
        return QString();
    }
    return QString::fromUtf8(f.readAll());
}

QStringList ReportTemplates::installMissing(const QString& folder, QString* error) {
    QStringList written;
    const QDir dir(folder);
    for (const QString& name : defaultNames()) {
        const QString path = dir.filePath(name);
        if (QFile::exists(path)) {
            continue;
        }
        QSaveFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(builtInText(name).toUtf8()) < 0 || !f.commit()) {
            if (error) {
                *error = QStringLiteral("无法写入报表模板 %1：%2")
                             .arg(QDir::toNativeSeparators(path), f.errorString());
            }
            continue;
        }
        written << name;
    }
    return written;
}

TemplateLoad ReportTemplates::load(const QString& folder, const QString& fileName) {
    const QString path = QDir(folder).filePath(fileName);
    if (!QFile::exists(path) && !builtInText(fileName).isEmpty()) {
        QString error;
        installMissing(folder, &error);
        if (!QFile::exists(path)) {
            return {std::nullopt, {{fileName, 0, error}}};
        }
    }
    return TemplateParser::loadFile(path);
}

QString ReportTemplates::customTemplateFor(const QString& language, const QString& style) {
    if (language != QStringLiteral("简体中文")) {
        return kCustomEnglish;
    }
    static const QStringList styles = {QStringLiteral("样式一"), QStringLiteral("样式二"),
                                       QStringLiteral("样式三"), QStringLiteral("样式四"),
                                       QStringLiteral("样式五"), QStringLiteral("样式六")};
    const qsizetype i = styles.indexOf(style);
    if (i < 0) {
        return QString();
    }
    return i == 0 ? kCustom : QStringLiteral("自定义报表%1.frf").arg(i + 1);
}

QString ReportTemplates::kitchenTicketFor(const QString& ticketType) {
    return ticketType == QStringLiteral("多菜一单") ? kTicketC : kKitchenPerLine;
}

}  // namespace lanze
