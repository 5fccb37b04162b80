#pragma once

class Database;

// The tables, views and indexes of the shared database, and the content of a new file.
namespace Schema {

constexpr int CurrentVersion = 1;

// Creates every table, view and index and writes the default content, in one transaction.
void createNew(Database& db);
// Brings an older file up to the current version; does nothing for a current one.
void upgrade(Database& db);

} // namespace Schema
