#pragma once

#include <QString>
#include <QStringList>

namespace lanze {

// Every message, warning, confirmation and error box of the program goes through here. The program
// installs real boxes; tests install a MessageRecorder.
class Messages {
  public:
    enum class Kind { Info, Warning, Confirm, Error };

    virtual ~Messages() = default;
    virtual void info(const QString& text, const QString& title = QString()) = 0;
    virtual void warning(const QString& text, const QString& title = QString()) = 0;
    // OK/Cancel with the program title as caption; true for OK.
    virtual bool confirm(const QString& text) = 0;
    // The standard error box for failures a command does not handle itself.
    virtual void error(const QString& text, const QString& title = QString()) = 0;

    // The installed instance. Before anything is installed, messages go to the log.
    static Messages& current();
    static void install(Messages* messages);  // not owned; nullptr restores the log
};

// Keeps every text shown and answers confirmations from a queue (OK when the queue is empty).
class MessageRecorder : public Messages {
  public:
    struct Shown {
        Kind kind;
        QString text;
    };

    MessageRecorder() { Messages::install(this); }
    ~MessageRecorder() override { Messages::install(nullptr); }

    void info(const QString& text, const QString& title = QString()) override;
    void warning(const QString& text, const QString& title = QString()) override;
    bool confirm(const QString& text) override;
    void error(const QString& text, const QString& title = QString()) override;

    void answerNext(bool ok) { answers_.append(ok); }
    const QList<Shown>& shown() const { return shown_; }
    QStringList texts() const;
    QString last() const { return shown_.isEmpty() ? QString() : shown_.last().text; }
    void clear() { shown_.clear(); }

  private:
    QList<Shown> shown_;
    QList<bool> answers_;
};

}  // namespace lanze
