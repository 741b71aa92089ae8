#pragma once

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QPair>

#include "signin/Permissions.h"

class QMenu;
class QLabel;
class QRadioButton;
class QPushButton;

namespace lanze {

class Database;
class WindowRegistry;

// The main window: its menu bar, tool bar, board context menu and body buttons carry the commands of
// the program. This body holds the commands and their permissions; the order board comes with it later.
class Tmain : public QMainWindow {
    Q_OBJECT
  public:
    Tmain(Database& db, WindowRegistry& windows, QWidget* parent = nullptr);

    // The actions and widgets that carry a command (a caption may sit in several places).
    QList<QObject*> commands(const Command& command) const;
    // Enables and disables the governed commands from the signed-in operator's rights.
    void applyRights();
    // The whole 帮助 menu.
    void setHelpMenuVisible(bool visible);
    bool helpMenuVisible() const;
    // A station that does not dispatch hides the undispatched states and the dispatch commands.
    void setDispatchUsed(bool used);

    QMenu* boardContextMenu() const { return boardMenu_; }

    // Commands of the operator windows; each checks the operator's right again when it runs.
    void openOperatorList();
    void openChangePassword();

  private:
    void addCommand(Command::Place place, const QString& caption, QObject* carrier);
    QAction* addMenuItem(QMenu* menu, const QString& caption);
    bool allowed(Permission p) const;

    Database& db_;
    WindowRegistry& windows_;
    QHash<QPair<int, QString>, QList<QObject*>> commands_;
    QMenu* helpMenu_ = nullptr;
    QMenu* boardMenu_ = nullptr;
    QList<QWidget*> undispatchedStates_;  // the two radios and the two legend panels
};

}  // namespace lanze
