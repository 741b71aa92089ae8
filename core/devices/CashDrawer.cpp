#include "core/devices/CashDrawer.h"

#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <QRegularExpression>
#include <cerrno>
#include <cstring>

#include "core/devices/DeviceError.h"

namespace lanze {

QByteArray CashDrawer::pulseCommand() {
    return QByteArray("\x1B\x70\x00\x3C\xFF", 5);
}

QString CashDrawer::devicePath(const QString& port) {
    static const QRegularExpression named(QStringLiteral("^(LPT|COM)([1-9][0-9]?):?$"),
                                          QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = named.match(port.trimmed());
    if (!m.hasMatch()) {
        return port;
    }
    const int index = m.captured(2).toInt() - 1;
    const bool parallel = m.captured(1).compare(QStringLiteral("LPT"), Qt::CaseInsensitive) == 0;
    return (parallel ? QStringLiteral("/dev/lp%1") : QStringLiteral("/dev/ttyS%1")).arg(index);
}

QString CashDrawer::failureText(const QString& systemMessage) {
    return QStringLiteral("开钱箱出错！请检查连接，没有钱箱请将系统设置的“钱箱接口”选择成空的。") +
           QChar(13) + systemMessage;
}

namespace {

QString systemMessage(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

}  // namespace

void CashDrawer::open(const QString& port) {
    const QString path = devicePath(port);
    // Non-blocking, so a printer that is off or out of paper gives an error instead of freezing the
    // window; no O_CREAT, so a missing device is reported instead of becoming a plain file.
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_WRONLY | O_TRUNC | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        throw DeviceError(failureText(systemMessage(errno)));
    }
    const QByteArray command = pulseCommand();
    qsizetype written = 0;
    while (written < command.size()) {
        const ssize_t n = ::write(fd, command.constData() + written, size_t(command.size() - written));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            const int error = n < 0 ? errno : EIO;
            ::close(fd);
            throw DeviceError(failureText(systemMessage(error)));
        }
        written += n;
    }
    if (::close(fd) != 0) {
        throw DeviceError(failureText(systemMessage(errno)));
    }
}

}  // namespace lanze
