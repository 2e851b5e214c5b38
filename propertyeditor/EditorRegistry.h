#pragma once

#include <QList>
#include <QMap>

class QtProperty;
class QObject;

// Book of the editors a factory has open: the editors of each property in opening order
// and the property of each editor. It never owns an editor.
template <class Editor> class EditorRegistry
{
public:
    void registerEditor(QtProperty *property, Editor *editor)
    {
        m_createdEditors[property].append(editor);
        m_editorToProperty.insert(editor, property);
    }

    // A copy, so callers may walk it while editors come and go.
    QList<Editor *> editors(QtProperty *property) const { return m_createdEditors.value(property); }

    // Looks the object up by address: it may be a signal's sender or a dying widget.
    Editor *editorOf(const QObject *object) const
    {
        for (auto it = m_editorToProperty.cbegin(); it != m_editorToProperty.cend(); ++it) {
            if (static_cast<const QObject *>(it.key()) == object)
                return it.key();
        }
        return nullptr;
    }

    QtProperty *propertyOf(Editor *editor) const { return m_editorToProperty.value(editor); }

    void editorDestroyed(const QObject *object)
    {
        Editor *editor = editorOf(object);
        if (!editor)
            return;
        QtProperty *property = m_editorToProperty.take(editor);
        auto it = m_createdEditors.find(property);
        if (it == m_createdEditors.end())
            return;
        it->removeAll(editor);
        if (it->isEmpty())
            m_createdEditors.erase(it);
    }

    QList<Editor *> allEditors() const { return m_editorToProperty.keys(); }
    bool isEmpty() const { return m_editorToProperty.isEmpty(); }

private:
    QMap<QtProperty *, QList<Editor *>> m_createdEditors;
    QMap<Editor *, QtProperty *> m_editorToProperty;
};
