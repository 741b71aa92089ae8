#pragma once

#include <QString>
#include <stdexcept>

namespace lanze {

// A device (cash drawer, printer port) that could not be reached. Commands let it reach the window,
// which shows its text in the error box.
class DeviceError : public std::runtime_error {
  public:
    explicit DeviceError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

  private:
    QString message_;
};

}  // namespace lanze
