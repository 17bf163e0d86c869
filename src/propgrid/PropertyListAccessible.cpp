#include "PropertyListAccessible.h"

#include <QApplication>
#include <QWidget>

#include "PropertyListCtrl.h"

namespace vantoro {
namespace {

// Set while Qt makes its own interface of a list, so that the factory steps aside.
bool g_makingRows = false;

}  // namespace

void CPropertyListAccessible::Install(CPropertyListCtrl* list) {
    static const bool installed = [] {
        QAccessible::installFactory(&CPropertyListAccessible::Create);
        return true;
    }();
    (void)installed;
    // While accessibility is on, an event of a base class being built makes Qt's own
    // interface for the widget, which Qt would keep: it goes, so the next look-up makes
    // this one.
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(list);
    if (face && !dynamic_cast<CPropertyListAccessible*>(face))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(face));
}

QAccessibleInterface* CPropertyListAccessible::Create(const QString& className, QObject* object) {
    auto* list = qobject_cast<CPropertyListCtrl*>(object);
    if (g_makingRows || !list ||
        className != QLatin1String(CPropertyListCtrl::staticMetaObject.className()))
        return nullptr;
    // Qt's list for the same widget, found through its base classes; Qt keeps it in its
    // cache, and this interface, cached after it for the widget, takes it over.
    g_makingRows = true;
    QAccessibleInterface* rows = QAccessible::queryAccessibleInterface(object);
    g_makingRows = false;
    return rows ? new CPropertyListAccessible(list, rows) : nullptr;
}

CPropertyListAccessible::CPropertyListAccessible(CPropertyListCtrl* list,
                                                 QAccessibleInterface* rows)
    : m_list(list), m_rows(rows), m_rowsId(QAccessible::uniqueId(rows)) {}

CPropertyListAccessible::~CPropertyListAccessible() {
    // Looked up by number: when Qt's cache goes first, it has deleted the list already.
    if (QAccessible::accessibleInterface(m_rowsId) == m_rows)
        QAccessible::deleteAccessibleInterface(m_rowsId);
}

QAccessibleInterface* CPropertyListAccessible::Editor() const {
    QWidget* editor = m_list->CurrentEditorWidget();
    if (!editor || editor->isHidden()) return nullptr;
    return QAccessible::queryAccessibleInterface(editor);
}

bool CPropertyListAccessible::isValid() const {
    return m_rows->isValid();
}

QObject* CPropertyListAccessible::object() const {
    return m_rows->object();
}

QWindow* CPropertyListAccessible::window() const {
    return m_rows->window();
}

QList<QPair<QAccessibleInterface*, QAccessible::Relation>> CPropertyListAccessible::relations(
    QAccessible::Relation match) const {
    return m_rows->relations(match);
}

QAccessibleInterface* CPropertyListAccessible::focusChild() const {
    QWidget* editor = m_list->CurrentEditorWidget();
    QWidget* focus = QApplication::focusWidget();
    if (editor && !editor->isHidden() && focus && (focus == editor || editor->isAncestorOf(focus)))
        return QAccessible::queryAccessibleInterface(editor);
    return m_rows->focusChild();
}

QAccessibleInterface* CPropertyListAccessible::childAt(int x, int y) const {
    if (QAccessibleInterface* editor = Editor(); editor && editor->rect().contains(x, y))
        return editor;
    return m_rows->childAt(x, y);
}

QAccessibleInterface* CPropertyListAccessible::parent() const {
    return m_rows->parent();
}

QAccessibleInterface* CPropertyListAccessible::child(int index) const {
    const int rows = m_rows->childCount();
    if (index < rows) return m_rows->child(index);
    return index == rows ? Editor() : nullptr;
}

int CPropertyListAccessible::childCount() const {
    return m_rows->childCount() + (Editor() ? 1 : 0);
}

int CPropertyListAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (child && child == Editor()) return m_rows->childCount();
    return m_rows->indexOfChild(child);
}

QString CPropertyListAccessible::text(QAccessible::Text t) const {
    return m_rows->text(t);
}

void CPropertyListAccessible::setText(QAccessible::Text t, const QString& text) {
    m_rows->setText(t, text);
}

QRect CPropertyListAccessible::rect() const {
    return m_rows->rect();
}

QAccessible::Role CPropertyListAccessible::role() const {
    return m_rows->role();
}

QAccessible::State CPropertyListAccessible::state() const {
    return m_rows->state();
}

void* CPropertyListAccessible::interface_cast(QAccessible::InterfaceType type) {
    return m_rows->interface_cast(type);
}

}  // namespace vantoro
