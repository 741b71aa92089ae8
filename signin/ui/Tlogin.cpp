#include "signin/ui/Tlogin.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

#include "app/SignInState.h"
#include "app/ui/Skin.h"
#include "app/ui/WindowRegistry.h"
#include "board/ui/Tmain.h"
#include "core/Messages.h"
#include "core/db/DbError.h"
#include "core/store/CommandTableUpgrade.h"
#include "core/store/StoreCreator.h"
#include "core/store/StoreFiles.h"
#include "settings/StationSettings.h"
#include "signin/Operators.h"

namespace lanze {

namespace {
QComboBox* editableBox(const QStringList& items, const QString& name, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true);
    box->addItems(items);
    return box;
}

QLabel* label(const QString& text, const QString& name, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

// The one-character date separator of the station's locale.
QString localeDateSeparator() {
    const QString format = QLocale::system().dateFormat(QLocale::ShortFormat);
    for (const QChar c : format) {
        if (!c.isLetter()) {
            return QString(c);
        }
    }
    return QStringLiteral("-");
}
}  // namespace

Tlogin::Tlogin(Database& db, WindowRegistry& windows, QString storeDir, QWidget* parent)
    : QDialog(parent), db_(db), windows_(windows), storeDir_(std::move(storeDir)) {
    setObjectName(QStringLiteral("Tlogin"));
    setWindowTitle(QStringLiteral("用户登陆"));
    setMinimumWidth(340);

    userLabel_ = label(QStringLiteral("用户："), QStringLiteral("userLabel"), this);
    userBox_ = editableBox({}, QStringLiteral("userBox"), this);
    passwordLabel_ = label(QStringLiteral("密码："), QStringLiteral("passwordLabel"), this);
    passwordEdit_ = new QLineEdit(this);
    passwordEdit_->setObjectName(QStringLiteral("passwordEdit"));
    passwordEdit_->setEchoMode(QLineEdit::Password);
    initialPasswordLabel_ = label(QStringLiteral("初始密码：") + StoreCreator::kInitialPassword,
                                  QStringLiteral("initialPasswordLabel"), this);
    serialCheck_ = new QCheckBox(QStringLiteral("串口来电"), this);
    serialCheck_->setObjectName(QStringLiteral("serialCheck"));
    portLabel_ = label(QStringLiteral("串口"), QStringLiteral("portLabel"), this);
    portBox_ = editableBox({"1", "2", "3", "4", "5", "6", "7", "8"}, QStringLiteral("portBox"), this);
    typeLabel_ = label(QStringLiteral("类型"), QStringLiteral("typeLabel"), this);
    typeBox_ = editableBox(StationDevices::deviceTypes(), QStringLiteral("deviceTypeBox"), this);
    recordingCheck_ = new QCheckBox(QStringLiteral("USB来电录音"), this);
    recordingCheck_->setObjectName(QStringLiteral("recordingCheck"));
    modelLabel_ = label(QStringLiteral("型号"), QStringLiteral("modelLabel"), this);
    modelBox_ = editableBox(StationDevices::models(), QStringLiteral("modelBox"), this);
    linesLabel_ = label(QStringLiteral("路数"), QStringLiteral("linesLabel"), this);
    linesBox_ = editableBox(StationDevices::lineCounts(), QStringLiteral("linesBox"), this);
    signInButton_ = new QPushButton(QStringLiteral("登陆"), this);
    signInButton_->setObjectName(QStringLiteral("signInButton"));
    quitButton_ = new QPushButton(QStringLiteral("退出"), this);
    quitButton_->setObjectName(QStringLiteral("quitButton"));
    // Enter belongs to the password box, which presses the sign-in button itself.
    signInButton_->setAutoDefault(false);
    quitButton_->setAutoDefault(false);

    auto* grid = new QGridLayout(this);
    grid->addWidget(userLabel_, 0, 0);
    grid->addWidget(userBox_, 0, 1, 1, 3);
    grid->addWidget(passwordLabel_, 1, 0);
    grid->addWidget(passwordEdit_, 1, 1, 1, 3);
    grid->addWidget(initialPasswordLabel_, 2, 1, 1, 3);
    grid->addWidget(serialCheck_, 3, 0, 1, 4);
    grid->addWidget(portLabel_, 4, 0);
    grid->addWidget(portBox_, 4, 1);
    grid->addWidget(typeLabel_, 4, 2);
    grid->addWidget(typeBox_, 4, 3);
    grid->addWidget(recordingCheck_, 5, 0, 1, 4);
    grid->addWidget(modelLabel_, 6, 0);
    grid->addWidget(modelBox_, 6, 1);
    grid->addWidget(linesLabel_, 6, 2);
    grid->addWidget(linesBox_, 6, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(signInButton_);
    buttons->addWidget(quitButton_);
    grid->addLayout(buttons, 7, 0, 1, 4);

    connect(serialCheck_, &QCheckBox::toggled, this, &Tlogin::setSerial);
    connect(recordingCheck_, &QCheckBox::toggled, this, &Tlogin::setRecording);
    connect(userBox_, &QComboBox::activated, this, [this] { passwordEdit_->setFocus(); });
    connect(passwordEdit_, &QLineEdit::returnPressed, signInButton_, &QPushButton::click);
    connect(signInButton_, &QPushButton::clicked, this, &Tlogin::signIn);
    connect(quitButton_, &QPushButton::clicked, this, &QDialog::reject);

    setSerial(false);
    setRecording(false);

    SignInState& state = signInState();
    state.skinEnabled = StationSettings(storeDir_).read(QStringLiteral("换肤"));
    if (state.skinEnabled == QStringLiteral("是")) {
        Skin::switchOn(QDir(storeDir_).filePath(StoreFiles::kSkin));
    }
    try {
        const QStringList users = Operators(db_).userNames();
        userBox_->addItems(users);
        userBox_->setCurrentText(users.value(0));
    } catch (const DbError& e) {
        Messages::current().error(e.message());
    }
    state.callerIdMode.clear();
}

void Tlogin::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    prepare();
}

void Tlogin::prepare() {
    applyLanguage(StationSettings(storeDir_).read(QStringLiteral("版本语言")));
    try {
        const DeviceChoice stored = StationDevices::read(db_);
        if (!stored.port.isEmpty()) {
            portBox_->setCurrentText(stored.port);
            typeBox_->setCurrentText(stored.deviceType);
        }
        serialCheck_->setChecked(stored.serial);
        setSerial(stored.serial);
        recordingCheck_->setChecked(stored.recording);
        setRecording(stored.recording);
        if (stored.recording) {
            modelBox_->setCurrentText(stored.model);
            linesBox_->setCurrentText(stored.lines);
        }
    } catch (const DbError& e) {
        Messages::current().error(e.message());
    }
    signInState().dateSeparator = localeDateSeparator();
    // The user is preset: the password is what is typed first.
    passwordEdit_->setFocus();
}

void Tlogin::applyLanguage(const QString& language) {
    if (language != QStringLiteral("英语")) {
        return;
    }
    setWindowTitle(QStringLiteral("Vovorada Vevadode 2010"));
    userLabel_->setText(QStringLiteral("Login"));
    passwordLabel_->setText(QStringLiteral("Password"));
    initialPasswordLabel_->setText(QStringLiteral("Initial Password:") + StoreCreator::kInitialPassword);
    serialCheck_->setText(QStringLiteral("Serial device"));
    recordingCheck_->setText(QStringLiteral("Usb device"));
    signInButton_->setText(QStringLiteral("Sign In"));
    quitButton_->setText(QStringLiteral("Cancel"));
}

void Tlogin::setSerial(bool on) {
    for (QWidget* w : {static_cast<QWidget*>(portLabel_), static_cast<QWidget*>(portBox_),
                       static_cast<QWidget*>(typeLabel_), static_cast<QWidget*>(typeBox_)}) {
        w->setVisible(on);
    }
    if (on) {
        recordingCheck_->setChecked(false);
    }
}

void Tlogin::setRecording(bool on) {
    if (on) {
        serialCheck_->setChecked(false);
    }
    for (QWidget* w : {static_cast<QWidget*>(modelLabel_), static_cast<QWidget*>(modelBox_),
                       static_cast<QWidget*>(linesLabel_), static_cast<QWidget*>(linesBox_)}) {
        w->setVisible(on);
    }
}

DeviceChoice Tlogin::choice() const {
    DeviceChoice c;
    c.serial = serialCheck_->isChecked();
    c.port = portBox_->currentText();
    c.deviceType = typeBox_->currentText();
    c.recording = recordingCheck_->isChecked();
    c.model = modelBox_->currentText();
    c.lines = linesBox_->currentText();
    return c;
}

void Tlogin::fail(const QString& message, bool enableAgain) {
    Messages::current().warning(message);
    signInButton_->setEnabled(enableAgain);
}

void Tlogin::signIn() {
    const DeviceChoice devices = choice();
    if (const QString refusal = SignIn::deviceRefusal(devices); !refusal.isEmpty()) {
        Messages::current().warning(refusal);
        return;
    }
    signInButton_->setEnabled(false);
    if (const QString refusal = SignIn::portRefusal(devices); !refusal.isEmpty()) {
        fail(refusal, true);
        return;
    }

    std::optional<SignIn::Operator> op;
    try {
        op = SignIn::verify(db_, userBox_->currentText(), passwordEdit_->text());
    } catch (const DbError& e) {
        Messages::current().error(e.message());
        signInButton_->setEnabled(true);
        return;
    }
    setWindowTitle(QStringLiteral("52"));
    if (!op) {
        fail(SignIn::kNoAccess, true);
        return;
    }

    // The main window is made now; the other long-lived windows are made the first time they are used.
    Tmain* main = nullptr;
    try {
        setWindowTitle(QStringLiteral("53"));
        main = windows_.window<Tmain>(WindowRegistry::kMainWindow);
        if (!main) {
            throw std::runtime_error("Tmain");
        }
        windows_.setParentWindow(main);
        setWindowTitle(QStringLiteral("199"));
    } catch (const std::exception& e) {
        // The button stays disabled: only quitting and starting again helps.
        fail(SignIn::kWindowsFailed + QString::fromUtf8(e.what()), false);
        return;
    }

    SignInState& state = signInState();
    SignIn::fillOperator(*op, state);
    main->applyRights();
    try {
        StationDevices::write(db_, devices);
        SignIn::fillDevices(devices, state);
        state.operatorName = userBox_->currentText();
        SignIn::readStore(db_, state);
        SignInFixups::run(db_);
    } catch (const DbError& e) {
        // The sign-in ends here with the button disabled, as after a failed window.
        Messages::current().error(e.message());
        return;
    }
    SignIn::readStation(StationSettings(storeDir_), state);
    main->setHelpMenuVisible(!state.setting(QStringLiteral("公司简称")).isEmpty());
    main->setDispatchUsed(state.setting(QStringLiteral("是否需要发货功能")) == QStringLiteral("需要"));
    main->show();
    signInButton_->setEnabled(true);
    // The main window takes over; this dialog stays alive, hidden.
    accept();
}

}  // namespace lanze
