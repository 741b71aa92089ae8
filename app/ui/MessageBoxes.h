#pragma once

#include "core/Messages.h"

namespace lanze {

// The real message boxes of the program.
class MessageBoxes : public Messages {
  public:
    void info(const QString& text, const QString& title = QString()) override;
    void warning(const QString& text, const QString& title = QString()) override;
    bool confirm(const QString& text) override;
    void error(const QString& text, const QString& title = QString()) override;
};

}  // namespace lanze
