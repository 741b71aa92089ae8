#include "core/Messages.h"

#include <QDebug>

namespace lanze {

namespace {
class LogMessages : public Messages {
  public:
    void info(const QString& text, const QString&) override { qInfo().noquote() << text; }
    void warning(const QString& text, const QString&) override { qWarning().noquote() << text; }
    bool confirm(const QString& text) override {
        qWarning().noquote() << text;
        return false;
    }
    void error(const QString& text, const QString&) override { qCritical().noquote() << text; }
};

LogMessages logMessages;
Messages* installed = nullptr;
}  // namespace

Messages& Messages::current() {
    return installed ? *installed : logMessages;
}

void Messages::install(Messages* messages) {
    installed = messages;
}

void MessageRecorder::info(const QString& text, const QString&) {
    shown_.append({Kind::Info, text});
}
void MessageRecorder::warning(const QString& text, const QString&) {
    shown_.append({Kind::Warning, text});
}
void MessageRecorder::error(const QString& text, const QString&) {
    shown_.append({Kind::Error, text});
}

bool MessageRecorder::confirm(const QString& text) {
    shown_.append({Kind::Confirm, text});
    return answers_.isEmpty() ? true : answers_.takeFirst();
}

QStringList MessageRecorder::texts() const {
    QStringList out;
    for (const auto& s : shown_) {
        out << s.text;
    }
    return out;
}

}  // namespace lanze
