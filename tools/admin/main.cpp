#include <QApplication>
#include <QTextStream>
#include <stdexcept>

#include "core/db/DbError.h"
#include "tools/admin/AdminCommand.h"

using namespace lanze;

namespace {
void usage(QTextStream& err) {
    err << "用法：lanze-admin COMMAND ...\n";
    for (const auto& c : adminCommands()) {
        err << "  lanze-admin " << c.usage << "\n";
    }
}
}  // namespace

int main(int argc, char* argv[]) {
    // Rendering templates needs fonts and a paint device, but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = QApplication::arguments().mid(1);
    if (args.isEmpty() || args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h")) {
        usage(err);
        return args.isEmpty() ? 2 : 0;
    }
    const QString verb = args.takeFirst();
    for (const auto& c : adminCommands()) {
        if (c.name == verb) {
            try {
                return c.run(args, out, err);
            } catch (const DbError& e) {
                err << "错误：" << e.message() << "\n";
                return 1;
            } catch (const std::invalid_argument& e) {
                err << "错误：" << QString::fromStdString(e.what()) << "\n";
                return 2;
            }
        }
    }
    err << "未知的命令：" << verb << "\n";
    usage(err);
    return 2;
}
