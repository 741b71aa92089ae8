#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <map>

namespace lanze {

// The long-lived windows of a run. Every window the sign-in used to create up front is named here in its
// catalogue; a window is made the first time it is asked for and kept until the program ends, so what a
// window holds between uses stays. Each window's own code registers how it is made.
class WindowRegistry {
  public:
    using Factory = std::function<QWidget*(QWidget* parent)>;

    WindowRegistry();
    ~WindowRegistry();
    WindowRegistry(const WindowRegistry&) = delete;
    WindowRegistry& operator=(const WindowRegistry&) = delete;

    // The names of every long-lived window, the main window first.
    static const QStringList& catalogue();
    static inline const QString kMainWindow = QStringLiteral("Tmain");

    bool knows(const QString& name) const { return catalogue().contains(name); }
    // Registers how a catalogued window is made; false for a name outside the catalogue.
    bool add(const QString& name, Factory factory);
    bool isBuilt(const QString& name) const;  // a factory is registered
    bool isCreated(const QString& name) const;
    // Names of the catalogue that have no factory yet.
    QStringList notBuilt() const;

    // Windows other than the main one get this parent (the main window, once made).
    void setParentWindow(QWidget* parent) { parent_ = parent; }

    // The window, made on first use; nullptr for a name unknown or not yet built. A factory that throws
    // passes the exception on and nothing is kept.
    QWidget* window(const QString& name);
    template <typename T>
    T* window(const QString& name) {
        return qobject_cast<T*>(window(name));
    }

    // The registry of the running program.
    static WindowRegistry* current();
    static void install(WindowRegistry* registry);

  private:
    std::map<QString, Factory> factories_;
    std::map<QString, QPointer<QWidget>> windows_;
    QList<QString> createdOrder_;
    QPointer<QWidget> parent_;
};

}  // namespace lanze
