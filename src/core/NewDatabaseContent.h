#pragma once

class Database;

// What a new database holds: the configuration row (no devices, no user control), the three
// quick-entry rows, the three ticket layouts, the field list and one Superuser.
namespace NewDatabaseContent {

void write(Database& db);

} // namespace NewDatabaseContent
