#include "core/ui/EnterMovesFocus.h"

#include <QKeyEvent>
#include <QPointer>

namespace lanze {

namespace {

class EnterFilter : public QObject {
  public:
    EnterFilter(QWidget* from, QWidget* to) : QObject(from), to_(to) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if ((key == Qt::Key_Return || key == Qt::Key_Enter) && to_) {
                to_->setFocus(Qt::TabFocusReason);
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QPointer<QWidget> to_;
};

}  // namespace

void enterMovesFocus(QWidget* from, QWidget* to) {
    from->installEventFilter(new EnterFilter(from, to));
}

}  // namespace lanze
