#pragma once

class Database;

// The three ticket layouts of a new database, one per weighing kind.
namespace DefaultLayouts {

void write(Database& db);

} // namespace DefaultLayouts
