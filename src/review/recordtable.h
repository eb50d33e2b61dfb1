#pragma once

#include "review/celleditor.h"
#include "rules/fieldtable.h"
#include "rules/spaces.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QLineEdit>

#include <functional>
#include <vector>

// Records of one kind as a table: a row per record, a column per field of the kind's table that
// has a caption. A cell shows its field as the record holds it, without padding spaces. An edit
// hands the record, that field changed, to `commit`, which checks and writes it; only a commit
// that succeeds changes the table, so a refused edit leaves the value that is on disk (its editor
// keeps the refused text). The records are a list of entries, or any list that gives entries by
// value and takes them back with replace(), such as an account's EmployeeRecords: a row is then
// made entries only when the view asks for it.
template <typename Entries, typename Records = QList<Entries>>
class RecordTable : public QAbstractTableModel
{
public:
    using Commit = std::function<bool(int row, const Entries &changed)>;
    RecordTable(const FieldRow<Entries> *rows, std::size_t count, Commit commit)
        : m_commit(std::move(commit))
    {
        for (std::size_t i = 0; i < count; ++i)
            if (rows[i].caption)
                m_columns.push_back(&rows[i]);
    }

    // The records, and below them rows that are no records, greyed and not editable.
    void setRecords(Records records, QList<Entries> notRecords = {})
    {
        beginResetModel();
        m_records = std::move(records);
        m_notRecords = std::move(notRecords);
        endResetModel();
    }
    // The rows below the records replaced; the records' rows, and an editor open on one, stay.
    void setNotRecords(QList<Entries> notRecords)
    {
        const int first = int(m_records.size());
        if (!m_notRecords.isEmpty()) {
            beginRemoveRows({}, first, first + int(m_notRecords.size()) - 1);
            m_notRecords.clear();
            endRemoveRows();
        }
        if (!notRecords.isEmpty()) {
            beginInsertRows({}, first, first + int(notRecords.size()) - 1);
            m_notRecords = std::move(notRecords);
            endInsertRows();
        }
    }
    const Records &records() const { return m_records; }
    const QList<Entries> &notRecords() const { return m_notRecords; }
    const FieldRow<Entries> &field(int column) const { return *m_columns[std::size_t(column)]; }

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_records.size() + m_notRecords.size());
    }
    int columnCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_columns.size());
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role != Qt::DisplayRole)
            return {};
        return orientation == Qt::Horizontal ? QVariant(QString::fromLatin1(field(section).caption))
                                             : QVariant(section + 1);
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        const bool record = index.row() < m_records.size();
        if (role == Qt::ForegroundRole && !record)
            return QColor(Qt::gray);
        if (role != Qt::DisplayRole && role != Qt::EditRole)
            return {};
        return trimSpaces(writtenText(field(index.column()),
                                      record ? Entries(m_records.at(index.row()))
                                             : m_notRecords.at(index.row() - m_records.size())));
    }
    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        if (!index.isValid()) // the root holds no record
            return Qt::NoItemFlags;
        return index.row() < m_records.size()
                   ? QAbstractTableModel::flags(index) | Qt::ItemIsEditable
                   : Qt::ItemIsEnabled;
    }
    bool setData(const QModelIndex &index, const QVariant &value, int role) override
    {
        if (role != Qt::EditRole)
            return false;
        Entries changed = m_records.at(index.row());
        changed.*field(index.column()).entry = value.toString();
        if (!m_commit(index.row(), changed))
            return false;
        m_records.replace(index.row(), changed);
        emit dataChanged(this->index(index.row(), 0), this->index(index.row(), columnCount() - 1));
        return true;
    }

private:
    std::vector<const FieldRow<Entries> *> m_columns;
    Records m_records;
    QList<Entries> m_notRecords;
    Commit m_commit;
};

// The editor of a cell takes as much as its field's entry box on the screen.
template <typename Entries, typename Records = QList<Entries>>
class RecordEditor : public CellEditor
{
public:
    using CellEditor::CellEditor;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override
    {
        auto *editor = qobject_cast<QLineEdit *>(CellEditor::createEditor(parent, option, index));
        const auto *table = static_cast<const RecordTable<Entries, Records> *>(index.model());
        if (editor && table->field(index.column()).boxLength > 0)
            editor->setMaxLength(table->field(index.column()).boxLength);
        return editor;
    }
};
