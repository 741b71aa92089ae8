#include "core/report/RawTicket.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstring>

#include "core/devices/CashDrawer.h"

#include "core/text/Gbk.h"

namespace lanze {

QByteArray RawTicket::padRight(const QString& text, int bytes) {
    QByteArray out = Gbk::encode(text);
    if (out.size() < bytes) {
        out.append(QByteArray(bytes - out.size(), ' '));
    }
    return out;
}

QByteArray RawTicket::padLeft(const QString& text, int bytes) {
    const QByteArray encoded = Gbk::encode(text);
    if (encoded.size() >= bytes) {
        return encoded;
    }
    return QByteArray(bytes - encoded.size(), ' ') + encoded;
}

QByteArray RawTicket::compose(const RawTicketValues& v) {
    const QByteArray crlf("\r\n");
    QByteArray out;
    out += Gbk::encode(QStringLiteral("[") + v.storeName + QStringLiteral("送餐小票!]")) + crlf;
    for (const RawTicketLine& line : v.lines) {
        out += Gbk::encode(QStringLiteral("餐品名:")) + padRight(line.item, 10) +
               Gbk::encode(QStringLiteral("。")) + padRight(line.quantity, 3) +
               Gbk::encode(QStringLiteral("份。")) + padRight(line.amount, 5) +
               Gbk::encode(QStringLiteral("元")) + crlf;
    }
    out += padLeft(QStringLiteral("合计:") + v.total + QStringLiteral("元"), 26) + crlf;
    out += Gbk::encode(QStringLiteral("配送地址:") + v.address) + crlf;
    out += Gbk::encode(v.phoneLabel + v.phone) + crlf;
    out += Gbk::encode(v.slogan) + crlf;
    out += QByteArray("\f") + crlf;
    return out;
}

namespace {

QString ioError(const QString& port, int error) {
    return QStringLiteral("输入/输出错误：%1（%2）").arg(port, QString::fromLocal8Bit(std::strerror(error)));
}

}  // namespace

bool RawTicket::write(const QString& port, const QByteArray& bytes, QString* error) {
    const QString path = CashDrawer::devicePath(port);
    const QByteArray native = QFile::encodeName(path);
    // A device must exist already (opening a missing /dev/lp0 must fail, not leave a plain file in its
    // place) and is opened non-blocking, so that a printer that is off gives an error instead of
    // freezing the window. A file given for a port keeps every ticket.
    const bool device = path.startsWith(QLatin1String("/dev/"));
    const int flags = O_WRONLY | O_NOCTTY | O_CLOEXEC | (device ? O_NONBLOCK : O_APPEND | O_CREAT);
    const int fd = ::open(native.constData(), flags, 0644);
    if (fd < 0) {
        if (error) {
            *error = ioError(port, errno);
        }
        return false;
    }
    qsizetype written = 0;
    int failure = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + written, size_t(bytes.size() - written));
        if (n > 0) {
            written += n;
            continue;
        }
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            // The printer's buffer is full: give it a few seconds to take more.
            pollfd p{fd, POLLOUT, 0};
            if (::poll(&p, 1, 5000) > 0) {
                continue;
            }
            failure = ETIMEDOUT;
            break;
        }
        failure = n < 0 ? errno : EIO;
        break;
    }
    if (::close(fd) != 0 && failure == 0) {
        failure = errno;
    }
    if (failure != 0) {
        if (error) {
            *error = ioError(port, failure);
        }
        return false;
    }
    return true;
}

}  // namespace lanze
