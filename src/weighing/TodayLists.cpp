#include "TodayLists.h"

#include "Database.h"

#include <QDir>
#include <QFileInfo>

TodayLists::TodayLists(Database& db) : m_db(db)
{
    for (auto& q : m_queries)
        q = std::make_unique<Query>(db);
}

QString TodayLists::statement(List list)
{
    switch (list) {
    case Erstwiegungen:
        return QStringLiteral("select * from wiegung_gesamt where wiegeart='Erstwiegung'");
    case EinzelwiegungHeute:
        return QStringLiteral("select * from wiegung_gesamt where wiegeart='Einzelwiegung' and"
                              " datum>datetime(now(), '-1 day') order by id desc");
    case SummenwiegungHeute:
        break;
    }
    return QStringLiteral(
        "select * from wiegung_gesamt where wiegeart='Zweitwiegung' and datum>datetime(now(), '-1 day')");
}

void TodayLists::open(List list)
{
    m_queries[list]->setSql(statement(list));
    m_queries[list]->open();
}

void TodayLists::refreshAll()
{
    open(Erstwiegungen);
    open(EinzelwiegungHeute);
    open(SummenwiegungHeute);
}

QString TodayLists::weighNumber(List list) const
{
    return m_queries[list]->field(QStringLiteral("wiegenummer")).asText();
}

QStringList TodayLists::photoFiles(List list, const QString& photoDir) const
{
    QStringList files;
    const QString number = weighNumber(list);
    if (number.isEmpty())
        return files;
    for (int camera = 1; camera <= 4; ++camera) {
        const QString f = QDir(photoDir).filePath(QStringLiteral("%1_%2.bmp").arg(number).arg(camera));
        if (QFileInfo::exists(f))
            files << f;
    }
    return files;
}

bool TodayLists::deleteCurrent(List list)
{
    if (!m_queries[list]->hasCurrentRow())
        return false;
    Query(m_db)
        .setSql(QStringLiteral("Delete from Wiegung where id=?"),
                {m_queries[list]->field(QStringLiteral("id")).asInt()})
        .execute();
    open(list);
    return true;
}
