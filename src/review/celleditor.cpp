#include "review/celleditor.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>

CellEditor::CellEditor(QAbstractItemView *view) : QStyledItemDelegate(view), m_view(view) {}

QWidget *CellEditor::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                  const QModelIndex &index) const
{
    QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (editor)
        editor->setAccessibleName(
            index.model()->headerData(index.column(), Qt::Horizontal).toString());
    m_editor = editor;
    return editor;
}

void CellEditor::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *line = qobject_cast<QLineEdit *>(editor);
    if (line && m_refusedAt == index)
        line->setText(m_refused);
    else
        QStyledItemDelegate::setEditorData(editor, index);
}

void CellEditor::setModelData(QWidget *editor, QAbstractItemModel *model,
                              const QModelIndex &index) const
{
    auto *line = qobject_cast<QLineEdit *>(editor);
    if (!line)
        return QStyledItemDelegate::setModelData(editor, model, index);
    const QString text = line->text();
    const bool taken = model->setData(index, text, Qt::EditRole);
    if (taken) {
        m_refusedAt = QPersistentModelIndex();
        return;
    }
    m_refusedAt = index;
    m_refused = text;
    if (!m_keepOpen) // the editor closes: back on its cell once it is gone
        QMetaObject::invokeMethod(
            m_view, [self = const_cast<CellEditor *>(this)] { self->reopen(); },
            Qt::QueuedConnection);
}

void CellEditor::destroyEditor(QWidget *editor, const QModelIndex &index) const
{
    if (m_editor == editor)
        m_editor = nullptr;
    QStyledItemDelegate::destroyEditor(editor, index);
}

bool CellEditor::settle()
{
    if (QWidget *editor = m_editor) {
        if (!commit(editor))
            return false;
        emit closeEditor(editor, SubmitModelCache);
    }
    return !m_refusedAt.isValid();
}

bool CellEditor::eventFilter(QObject *object, QEvent *event)
{
    auto *editor = qobject_cast<QWidget *>(object);
    if (!editor || event->type() != QEvent::KeyPress)
        return QStyledItemDelegate::eventFilter(object, event);
    EndEditHint hint;
    switch (static_cast<QKeyEvent *>(event)->key()) {
    case Qt::Key_Enter:
    case Qt::Key_Return:
        hint = SubmitModelCache;
        break;
    case Qt::Key_Tab:
        hint = EditNextItem;
        break;
    case Qt::Key_Backtab:
        hint = EditPreviousItem;
        break;
    default:
        if (static_cast<QKeyEvent *>(event)->matches(QKeySequence::Cancel))
            forget();
        return QStyledItemDelegate::eventFilter(object, event);
    }
    if (commit(editor))
        emit closeEditor(editor, hint);
    return true;
}

bool CellEditor::commit(QWidget *editor)
{
    m_keepOpen = true;
    emit commitData(editor);
    m_keepOpen = false;
    return !m_refusedAt.isValid();
}

void CellEditor::reopen()
{
    if (!m_refusedAt.isValid() || m_editor)
        return;
    m_view->setCurrentIndex(m_refusedAt);
    m_view->edit(m_refusedAt);
}
