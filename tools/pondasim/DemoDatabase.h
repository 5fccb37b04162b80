#pragma once

#include <QString>

// Writes the demo station's database: sample master data and a configuration that points at the
// simulator. An existing file is left as it is.
namespace DemoDatabase {

void prepare(const QString& path);

} // namespace DemoDatabase
