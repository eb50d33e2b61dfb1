#pragma once

#include <QPersistentModelIndex>
#include <QPointer>
#include <QStyledItemDelegate>

class QAbstractItemView;

// The editor of a table's cells, named for a screen reader by its column's caption. A value the
// model refuses is not thrown away: Enter or Tab leave the editor open with it, for the user to
// mend, and a commit on leaving the editor (a click elsewhere) opens the editor on its cell again
// with the refused text. Escape cancels the edit.
class CellEditor : public QStyledItemDelegate
{
public:
    explicit CellEditor(QAbstractItemView *view);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;
    void destroyEditor(QWidget *editor, const QModelIndex &index) const override;

    // Commits the open editor and closes it. False when its value is refused (it stays open) or
    // a refused value is about to be shown again.
    bool settle();
    // Forgets a refused value whose record is gone or shown no more.
    void forget() { m_refusedAt = QPersistentModelIndex(); }

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    bool commit(QWidget *editor);
    void reopen();

    QAbstractItemView *m_view;
    mutable QPointer<QWidget> m_editor; // the open one
    mutable QPersistentModelIndex m_refusedAt;
    mutable QString m_refused;
    bool m_keepOpen = false; // committed by Enter, Tab or the window's closing
};
