#include <QApplication>
#include <QCommandLineParser>
#include <QLabel>
#include <QMainWindow>

#include "app/SignInState.h"
#include "app/TDM.h"
#include "app/ui/MessageBoxes.h"
#include "core/store/StoreFiles.h"

using namespace lanze;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lanze"));
    signInState().programTitle = SignInState::kStartTitle;

    QCommandLineParser args;
    args.setApplicationDescription(SignInState::kStartTitle);
    args.addHelpOption();
    const QCommandLineOption home(QStringLiteral("home"), QStringLiteral("店铺数据目录"),
                                  QStringLiteral("DIR"));
    args.addOption(home);
    args.process(app);

    MessageBoxes boxes;
    Messages::install(&boxes);

    TDM dm(StoreFiles::resolveHome(args.value(home)));
    const TDM::StartResult started = dm.start();
    if (!started.connected) {
        qWarning().noquote() << started.connectionError;
        Messages::current().warning(TDM::kConnectionFailed);
        return 1;
    }
    if (!started.upgradeError.isEmpty()) {
        Messages::current().error(started.upgradeError);
    }

    QMainWindow window;
    window.setWindowTitle(signInState().programTitle);
    auto* label = new QLabel(QStringLiteral("店铺数据已就绪：%1").arg(dm.storeDir()));
    label->setAlignment(Qt::AlignCenter);
    window.setCentralWidget(label);
    window.resize(800, 500);
    window.show();
    return QApplication::exec();
}
