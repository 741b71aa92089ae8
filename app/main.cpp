#include <QApplication>
#include <QCommandLineParser>

#include "app/SignInState.h"
#include "app/TDM.h"
#include "app/ui/KnownWindows.h"
#include "app/ui/MessageBoxes.h"
#include "app/ui/WindowRegistry.h"
#include "core/report/ui/ReportPreview.h"
#include "core/store/StoreFiles.h"
#include "signin/ui/Tlogin.h"

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
    ReportPreview::install();

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

    WindowRegistry windows;
    WindowRegistry::install(&windows);
    registerKnownWindows(windows, dm.db());

    // Closing the sign-in dialog ends the program; a successful sign-in has shown the main window.
    Tlogin login(dm.db(), windows, dm.storeDir());
    if (login.exec() != QDialog::Accepted) {
        return 0;
    }
    return QApplication::exec();
}
