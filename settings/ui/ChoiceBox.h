#pragma once

#include <QGroupBox>
#include <QList>
#include <QRadioButton>
#include <QString>
#include <utility>

namespace lanze {

// A group of radio buttons that stands for one stored text: each button shows its own caption and
// stands for the value kept in the file or table.
class ChoiceBox : public QGroupBox {
    Q_OBJECT
  public:
    struct Choice {
        QString caption;
        QString value;
    };
    // columns: how many buttons side by side (0 = all in one row).
    ChoiceBox(const QString& title, const QList<Choice>& choices, int columns = 0, QWidget* parent = nullptr);

    // An unknown value selects the first choice, as the stored default would.
    void setValue(const QString& value);
    QString value() const;
    QRadioButton* button(const QString& value) const;

  signals:
    void valueChanged(const QString& value);

  private:
    QList<std::pair<QString, QRadioButton*>> buttons_;
};

}  // namespace lanze
