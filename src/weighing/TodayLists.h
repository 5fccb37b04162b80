#pragma once

#include "Query.h"

#include <QStringList>

class Database;

// The three lists of the right-hand notebook: open first weighings, single weighings and completed
// pairs of the 24 hours before the list was opened. Each has a current row, the selected entry.
class TodayLists
{
public:
    enum List
    {
        Erstwiegungen = 0,
        EinzelwiegungHeute = 1,
        SummenwiegungHeute = 2
    };

    explicit TodayLists(Database& db);

    void open(List list);
    // After a weighing: all three, in this order.
    void refreshAll();
    Query& query(List list) { return *m_queries[list]; }
    const Query& query(List list) const { return *m_queries[list]; }

    // The weigh number of the current row as text; empty for an empty list.
    QString weighNumber(List list) const;
    // The photos of the current row that exist, cameras 1 to 4 in this order.
    QStringList photoFiles(List list, const QString& photoDir) const;
    // Deletes the current row's weighing and opens that list again. False for an empty list.
    bool deleteCurrent(List list);

    static QString statement(List list);

private:
    Database& m_db;
    std::unique_ptr<Query> m_queries[3];
};
