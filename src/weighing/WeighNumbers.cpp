#include "WeighNumbers.h"

#include "Database.h"
#include "DatabaseError.h"
#include "Query.h"

namespace WeighNumbers {

qint64 draw(Database& db)
{
    Query q(db);
    q.setSql(QStringLiteral("update konfiguration set wiegenummer=wiegenummer+1")).execute();
    q.setSql(QStringLiteral("select wiegenummer from konfiguration"));
    q.open();
    if (!q.hasCurrentRow())
        throw DatabaseError(QStringLiteral("Die Tabelle konfiguration enthält keine Zeile."), q.sql());
    return q.field(QStringLiteral("wiegenummer")).asInt();
}

} // namespace WeighNumbers
