#pragma once

#include <QByteArray>
#include <QString>

namespace lanze {

// Kicks the cash drawer wired to a receipt printer by writing the printer's drawer pulse command
// straight to its port.
class CashDrawer {
  public:
    // ESC p 0 60 255: pulse drawer pin 0, on for 120 ms, off for 510 ms.
    static QByteArray pulseCommand();

    // "LPT1".."LPT9" (case ignored, an ending colon allowed) name the parallel ports /dev/lp0..;
    // "COM1".. the serial ports /dev/ttyS0..; anything else is taken as a device or file path.
    static QString devicePath(const QString& port);

    // Writes the pulse command to the port. The port must exist: a missing device is an error, never a
    // new file. Throws DeviceError with the text the error box shows.
    static void open(const QString& port);

    static QString failureText(const QString& systemMessage);
};

}  // namespace lanze
