#pragma once

#include <QDialog>

#include "orders/TasteChoice.h"

class QLineEdit;
class QListWidget;

namespace lanze {

class Database;

// The taste editor of one cart line: tastes chosen from the list are appended to the line's taste text
// and their surcharges added to its current price. The caller sets the line before showing it and
// reads result() and currentPrice() after it closed. Cancelling gives back the line as it was set, so
// that a caller writing both back changes nothing.
class TFkouwei_bianji : public QDialog {
    Q_OBJECT
  public:
    explicit TFkouwei_bianji(Database& db, QWidget* parent = nullptr);

    void setLine(const QString& tastes, Money basePrice, Money currentPrice);
    const QString& result() const { return result_; }
    Money currentPrice() const { return choice_.price(); }

    // Chooses a taste as a click on the list does.
    void choose(const QString& taste);

  protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

  private:
    void confirm();
    void showChoice();
    // Takes what was typed into the taste and price boxes; false (with the message) for a bad price.
    bool readBoxes();

    Database& db_;
    TasteChoice choice_;
    TasteChoice given_;
    QString result_;
    QLineEdit* tastes_;
    QLineEdit* basePrice_;
    QLineEdit* price_;
    QListWidget* list_;
};

}  // namespace lanze
