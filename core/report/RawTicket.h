#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace lanze {

// The plain-text ticket for printers without a driver (line printers on the parallel port, ESC/POS
// receipt printers taking raw text): GBK text, each line ended by CR LF, closed by a form feed.
struct RawTicketLine {
    QString item;
    QString quantity;
    QString amount;
};

struct RawTicketValues {
    QString storeName;
    QList<RawTicketLine> lines;
    QString total;
    QString address;
    QString phoneLabel =
        QStringLiteral("客户电话:");  // "下单人电话:" on a reprint, "客户:" from the dine-in window
    QString phone;
    QString slogan;
};

class RawTicket {
  public:
    static QByteArray compose(const RawTicketValues& values);

    // Writes the bytes to the port ("LPT1" is /dev/lp0, as for the cash drawer; any other name is a
    // device or file path); false with *error ("输入/输出错误：…") when it cannot be opened or written.
    static bool write(const QString& port, const QByteArray& bytes, QString* error);

    // Pads text with blanks on the right (or left) to the given GBK byte width; longer text is kept whole.
    static QByteArray padRight(const QString& text, int bytes);
    static QByteArray padLeft(const QString& text, int bytes);
};

}  // namespace lanze
