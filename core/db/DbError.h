#pragma once

#include <QString>
#include <stdexcept>

namespace lanze {

// A failed statement, connection or conversion. Commands that do not handle it themselves let it reach
// the window, which shows its text in the error box and ends the command.
class DbError : public std::runtime_error {
  public:
    explicit DbError(const QString& message) : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

  private:
    QString message_;
};

}  // namespace lanze
