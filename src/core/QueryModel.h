#pragma once

#include "Query.h"

#include <QAbstractTableModel>
#include <QString>
#include <vector>

// A grid or list over an opened query: the chosen columns under their captions, sortable by any of
// them, rows read as the station shows them (German numbers and dates).
class QueryModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    struct Column
    {
        QString field;
        QString caption;
    };

    // No columns: every column of the result under its own name.
    explicit QueryModel(Query& query, std::vector<Column> columns, QObject* parent = nullptr);

    // Takes the query's current result (call after opening it).
    void reload();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;

    // The query row that a model row shows.
    int queryRow(int modelRow) const;
    int modelRow(int queryRow) const;

private:
    Query& m_query;
    std::vector<Column> m_columns;
    bool m_allColumns;
    std::vector<int> m_fieldIndex;
    std::vector<int> m_order;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
