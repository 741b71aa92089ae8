#pragma once

#include "core/records/RowValues.h"
#include "core/records/TableRows.h"

namespace lanze {

// One row held by an editor between "添加"/"修改" and "确定": a new row to insert, or an existing row to
// update. The editor's controls read from and write to its values; write() stores them, and a row
// edit dropped without write() leaves the table as it was.
class RowEdit {
  public:
    enum class State { Insert, Edit };

    static RowEdit inserting(RowValues defaults = {}) {
        return RowEdit(State::Insert, {}, std::move(defaults));
    }
    static RowEdit editing(RowIdentity row, RowValues values) {
        return RowEdit(State::Edit, std::move(row), std::move(values));
    }

    State state() const { return state_; }
    bool isInsert() const { return state_ == State::Insert; }
    const RowIdentity& identity() const { return identity_; }
    RowValues& values() { return values_; }
    const RowValues& values() const { return values_; }

    // One statement: an insert, or an update of the row it was read from. Throws DbError, or
    // RowChangedElsewhere when the row is no longer there as it was read.
    void write(TableRows& rows) const {
        if (isInsert()) {
            rows.insert(values_);
        } else {
            rows.update(identity_, values_);
        }
    }

  private:
    RowEdit(State state, RowIdentity identity, RowValues values)
        : state_(state), identity_(std::move(identity)), values_(std::move(values)) {}

    State state_;
    RowIdentity identity_;
    RowValues values_;
};

}  // namespace lanze
