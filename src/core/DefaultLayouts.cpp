#include "DefaultLayouts.h"

#include "Database.h"
#include "Query.h"

namespace DefaultLayouts {

void write(Database& db)
{
    Query q(db);
    for (const char* kind : {"Erstwiegung", "Zweitwiegung", "Einzelwiegung"}) {
        q.setSql(QStringLiteral("INSERT INTO ausdrucke (Bezeichnung, xbeginn, ybeginn) VALUES (?, 200, 48)"),
                 {QString::fromUtf8(kind)})
            .execute();
    }
}

} // namespace DefaultLayouts
