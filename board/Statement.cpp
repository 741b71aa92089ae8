#include "board/Statement.h"

namespace lanze {

void Statement::bind(Query& query) const {
    for (const Parameter& p : parameters) {
        switch (p.kind) {
            case Parameter::Kind::Text:
                query.bindText(p.name, p.value.toString());
                break;
            case Parameter::Kind::Date:
                query.bindDate(p.name, p.value.toDate());
                break;
            case Parameter::Kind::YesNo:
                query.bindYesNo(p.name, p.value.toBool());
                break;
        }
    }
}

Query Statement::run(Database& db) const {
    Query q(db, sql);
    bind(q);
    q.exec();
    return q;
}

}  // namespace lanze
