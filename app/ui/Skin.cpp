#include "app/ui/Skin.h"

#include <QApplication>
#include <QFile>

namespace lanze {

bool Skin::switchOn(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) {
        return false;
    }
    qApp->setStyleSheet(QString::fromUtf8(f.readAll()));
    return true;
}

void Skin::switchOff() {
    qApp->setStyleSheet(QString());
}

}  // namespace lanze
