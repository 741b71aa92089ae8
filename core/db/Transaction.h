#pragma once

#include "core/db/Database.h"

namespace lanze {

// Rolls back unless commit() was reached: an exception anywhere in a multi-step change leaves the
// database as it was. A guard opened inside another joins it; the outermost one commits.
class Transaction {
  public:
    enum class Lock { Shared, Exclusive };

    explicit Transaction(Database& db, Lock lock = Lock::Shared) : db_(db) {
        db_.beginTransaction(lock == Lock::Exclusive);
    }
    ~Transaction() {
        if (!done_) {
            db_.rollbackTransaction();
        }
    }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit() {
        done_ = true;
        db_.commitTransaction();
    }

  private:
    Database& db_;
    bool done_ = false;
};

}  // namespace lanze
