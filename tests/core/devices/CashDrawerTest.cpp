#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>

#include "core/devices/CashDrawer.h"
#include "core/devices/DeviceError.h"

using namespace lanze;

namespace {

const QString kFailure =
    QStringLiteral("开钱箱出错！请检查连接，没有钱箱请将系统设置的“钱箱接口”选择成空的。") + QChar(13);

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

}  // namespace

TEST(CashDrawer, WritesThePulseCommandToThePort) {
    QTemporaryDir dir;
    const QString port = dir.filePath(QStringLiteral("drawer"));
    {
        QFile f(port);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("left over from before");
    }
    CashDrawer::open(port);
    EXPECT_EQ(readAll(port), QByteArray::fromHex("1b70003cff"));
}

TEST(CashDrawer, MissingDeviceGivesTheErrorTextWithTheSystemMessage) {
    for (const QString& port : {QStringLiteral("/nonexistent/dir/x"), QString()}) {
        try {
            CashDrawer::open(port);
            ADD_FAILURE() << "no error for " << port.toStdString();
        } catch (const DeviceError& e) {
            EXPECT_EQ(e.message(), kFailure + QString::fromLocal8Bit(std::strerror(ENOENT)))
                << port.toStdString();
        }
    }
    // Never creates a file where the device should be.
    QTemporaryDir dir;
    const QString absent = dir.filePath(QStringLiteral("lp9"));
    EXPECT_THROW(CashDrawer::open(absent), DeviceError);
    EXPECT_FALSE(QFile::exists(absent));
}

TEST(CashDrawer, MapsPortNamesToDevices) {
    const struct {
        const char* port;
        const char* path;
    } cases[] = {{"LPT1", "/dev/lp0"},   {"lpt2:", "/dev/lp1"},
                 {"COM3", "/dev/ttyS2"}, {"/dev/usb/lp0", "/dev/usb/lp0"},
                 {"LPT", "LPT"},         {"LPT0", "LPT0"}};
    for (const auto& c : cases) {
        EXPECT_EQ(CashDrawer::devicePath(QString::fromUtf8(c.port)), QString::fromUtf8(c.path)) << c.port;
    }
}
