#include "core/report/RawTicket.h"

#include <QFile>
#include <QRegularExpression>

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

QString RawTicket::devicePath(const QString& port) {
    static const QRegularExpression lpt(QStringLiteral("^LPT([1-9])$"),
                                        QRegularExpression::CaseInsensitiveOption);
    const auto m = lpt.match(port.trimmed());
    if (m.hasMatch()) {
        return QStringLiteral("/dev/lp%1").arg(m.captured(1).toInt() - 1);
    }
    return port;
}

bool RawTicket::write(const QString& port, const QByteArray& bytes, QString* error) {
    const QString path = devicePath(port);
    QFile device(path);
    // Append, never truncate: a file given for a port keeps every ticket. A device must exist already:
    // opening a missing /dev/lp0 must fail, not leave a plain file in its place.
    QIODevice::OpenMode mode = QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered;
    if (path.startsWith(QLatin1String("/dev/"))) {
        mode |= QIODevice::ExistingOnly;
    }
    if (!device.open(mode)) {
        if (error) {
            *error = QStringLiteral("输入/输出错误：%1（%2）").arg(port, device.errorString());
        }
        return false;
    }
    if (device.write(bytes) != bytes.size() || !device.flush()) {
        if (error) {
            *error = QStringLiteral("输入/输出错误：%1（%2）").arg(port, device.errorString());
        }
        return false;
    }
    device.close();
    return true;
}

}  // namespace lanze
