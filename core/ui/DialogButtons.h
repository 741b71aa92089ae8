#pragma once

#include <QHBoxLayout>
#include <QPushButton>
#include <QString>

namespace lanze {

// The right-aligned "确定" / "取消" row that closes most small dialogs. Buttons carry their captions as
// object names so that tests can find and click them.
struct DialogButtons {
    QPushButton* ok;
    QPushButton* cancel;
    QHBoxLayout* row;

    static DialogButtons make(QWidget* owner, const QString& okText = QStringLiteral("确定"),
                              const QString& cancelText = QStringLiteral("取消")) {
        DialogButtons b{new QPushButton(okText, owner), new QPushButton(cancelText, owner), new QHBoxLayout};
        b.ok->setObjectName(okText);
        b.cancel->setObjectName(cancelText);
        b.row->addStretch();
        b.row->addWidget(b.ok);
        b.row->addWidget(b.cancel);
        return b;
    }
};

}  // namespace lanze
