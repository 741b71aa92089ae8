#pragma once

namespace lanze {

class Database;
class WindowRegistry;

// Tells the registry how every window built so far is made.
void registerKnownWindows(WindowRegistry& windows, Database& db);

}  // namespace lanze
