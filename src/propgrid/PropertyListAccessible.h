#pragma once

#include <QAccessibleInterface>

class QObject;
class QString;

namespace vantoro {

class CPropertyListCtrl;

// What assistive technology sees of the property grid: Qt's own list (its rows, their
// selection) and, after the rows, the open in-place editor, which is the focused child
// while it has the keyboard. Qt's list knows nothing of widgets over its cells, so an
// editor would otherwise be out of reach from the list.
class CPropertyListAccessible : public QAccessibleInterface {
public:
    // Makes `list` show itself this way; called once it is built.
    static void Install(CPropertyListCtrl* list);

    CPropertyListAccessible(CPropertyListCtrl* list, QAccessibleInterface* rows);
    ~CPropertyListAccessible() override;

    bool isValid() const override;
    QObject* object() const override;
    QWindow* window() const override;
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override;
    QAccessibleInterface* focusChild() const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString& text) override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

private:
    static QAccessibleInterface* Create(const QString& className, QObject* object);
    // The open editor's interface, or null while no editor is shown.
    QAccessibleInterface* Editor() const;

    CPropertyListCtrl* m_list;
    QAccessibleInterface* m_rows;  // Qt's list, kept in Qt's cache, deleted with this
    QAccessible::Id m_rowsId;
};

}  // namespace vantoro
