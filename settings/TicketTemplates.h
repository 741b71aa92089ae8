#pragma once

#include <QString>

namespace lanze {

// File names of the ticket templates in the store folder.
class TicketTemplates {
  public:
    // The default custom ticket of a style "样式一" … "样式六"; with the English interface always the
    // English template.
    static QString customTicket(const QString& style, const QString& language);
    static QString ticketB();
    // "多菜一单": one ticket for all items; otherwise one ticket per item.
    static QString ticketC(const QString& type);
};

}  // namespace lanze
