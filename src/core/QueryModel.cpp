#include "QueryModel.h"

#include <algorithm>
#include <numeric>

QueryModel::QueryModel(Query& query, std::vector<Column> columns, QObject* parent)
    : QAbstractTableModel(parent), m_query(query), m_columns(std::move(columns)), m_allColumns(m_columns.empty())
{
    reload();
}

void QueryModel::reload()
{
    beginResetModel();
    if (m_allColumns) {
        m_columns.clear();
        for (const QString& c : m_query.columnNames())
            m_columns.push_back({c, c});
    }
    m_fieldIndex.clear();
    for (const Column& c : m_columns)
        m_fieldIndex.push_back(m_query.columnIndex(c.field));
    m_order.resize(size_t(m_query.rowCount()));
    std::iota(m_order.begin(), m_order.end(), 0);
    endResetModel();
    if (m_sortColumn >= 0)
        sort(m_sortColumn, m_sortOrder);
}

int QueryModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_order.size());
}

int QueryModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant QueryModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= int(m_order.size()))
        return {};
    const Field f = m_query.field(m_order[size_t(index.row())], m_fieldIndex[size_t(index.column())]);
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return f.asText();
    if (role == Qt::TextAlignmentRole) {
        const int type = f.value().typeId();
        if (type == QMetaType::Double || type == QMetaType::LongLong)
            return int(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

QVariant QueryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section < int(m_columns.size()))
        return m_columns[size_t(section)].caption;
    return QAbstractTableModel::headerData(section, orientation, role);
}

void QueryModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= int(m_columns.size()))
        return;
    m_sortColumn = column;
    m_sortOrder = order;
    const int fi = m_fieldIndex[size_t(column)];
    Q_EMIT layoutAboutToBeChanged();
    std::stable_sort(m_order.begin(), m_order.end(), [&](int a, int b) {
        const QVariant va = m_query.field(a, fi).value(), vb = m_query.field(b, fi).value();
        int cmp;
        if (va.isNull() || vb.isNull())
            cmp = int(!va.isNull()) - int(!vb.isNull());
        else if (va.typeId() == QMetaType::QString && vb.typeId() == QMetaType::QString)
            cmp = va.toString().localeAwareCompare(vb.toString());
        else {
            const QPartialOrdering o = QVariant::compare(va, vb);
            cmp = o == QPartialOrdering::Less ? -1 : o == QPartialOrdering::Greater ? 1 : 0;
        }
        return order == Qt::AscendingOrder ? cmp < 0 : cmp > 0;
    });
    Q_EMIT layoutChanged();
}

int QueryModel::queryRow(int modelRow) const
{
    return modelRow >= 0 && modelRow < int(m_order.size()) ? m_order[size_t(modelRow)] : -1;
}

int QueryModel::modelRow(int queryRow) const
{
    auto it = std::find(m_order.begin(), m_order.end(), queryRow);
    return it == m_order.end() ? -1 : int(it - m_order.begin());
}
