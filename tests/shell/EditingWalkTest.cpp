#include <QAction>
#include <QApplication>
#include <QMap>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "CommandIds.h"
#include "DockPropertyWnd.h"
#include "DockTreeWnd.h"
#include "MainFrame.h"
#include "PropertyItemColorRef.h"
#include "PropertyItemInt.h"
#include "PropertyItemList.h"
#include "PropertyItemRect.h"
#include "PropertyItemString.h"
#include "PropertyListCtrl.h"
#include "PropertyRowText.h"
#include "ShellFixture.h"
#include "TextCodec.h"
#include "VantoroApp.h"
#include "VantoroDoc.h"

namespace vantoro {
namespace {

class EditingWalkTest : public ShellTest {
protected:
    // The tree's nodes that carry a sheet, each with its path of labels ("Skin Info/Properties").
    static QList<QPair<QString, QTreeWidgetItem*>> ElementNodes(QTreeWidget* tree) {
        QList<QPair<QString, QTreeWidgetItem*>> nodes;
        for (QTreeWidgetItemIterator it(tree); *it; ++it) {
            if (!CDockTreeWnd::ItemData(*it)) continue;
            QString path = (*it)->text(0);
            for (QTreeWidgetItem* up = (*it)->parent(); up; up = up->parent())
                path = up->text(0) + '/' + path;
            nodes.append({path, *it});
        }
        return nodes;
    }

    static void Click(QAbstractItemView* view, const QRect& rect) {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
        QCoreApplication::processEvents();
    }

    static void ClickNode(QTreeWidget* tree, QTreeWidgetItem* node) {
        tree->scrollToItem(node);
        Click(tree, tree->visualItemRect(node));
    }

    // A click on the row's label, clear of the expand box.
    static void ClickRow(CPropertyListCtrl* list, int row) {
        list->scrollToItem(list->item(row));
        QRect rect = list->visualItemRect(list->item(row));
        rect.setLeft(rect.left() + 20);
        rect.setWidth(rect.width() / 3);
        Click(list, rect);
    }

    static void Type(const QString& text) {
        QTest::keyClicks(QApplication::focusWidget(), text);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        // The colour and rectangle editors read their text on a posted message.
        QCoreApplication::processEvents();
    }

    // Changes the selected row's value with the keys a user presses and returns the text
    // the row should show from now on.
    static QString EditWithKeys(CPropertyListCtrl* list, CPropertyItem* item, int serial) {
        if (auto* text = dynamic_cast<CPropertyItemString*>(item)) {
            QString value = QStringLiteral("v%1").arg(serial);
            if (text->m_nMaxLength > 0) value = value.right(text->m_nMaxLength);
            Type(value);
            return value;
        }
        if (auto* number = dynamic_cast<CPropertyItemInt*>(item)) {
            int32_t value = number->m_nValue + 1;
            if (number->m_bCheckRange && value > number->m_nMax) value = number->m_nValue - 1;
            Type(QString::number(value));
            return QString::number(value);
        }
        if (auto* choice = dynamic_cast<CPropertyItemList*>(item)) {
            // The choice editor leaves the focus in the list until Tab hands it over.
            QTest::keyClick(list, Qt::Key_Tab);
            const bool last = choice->m_nSelected + 1 >= choice->ChoiceCount();
            const char* expected = choice->GetChoiceText(choice->m_nSelected + (last ? -1 : 1));
            QTest::keyClick(QApplication::focusWidget(), last ? Qt::Key_Up : Qt::Key_Down);
            return QString::fromLatin1(expected ? expected : "");
        }
        if (auto* color = dynamic_cast<CPropertyItemColorRef*>(item)) {
            const COLORREF old = color->m_crValue;
            const QString value = QStringLiteral("%1,%2,%3")
                                      .arg(((old & 0xFF) + 17) % 256)
                                      .arg(((old >> 8 & 0xFF) + 3) % 256)
                                      .arg(((old >> 16 & 0xFF) + 101) % 256);
            Type(value);
            return value;
        }
        if (auto* rect = dynamic_cast<CPropertyItemRect*>(item)) {
            const CRect old = rect->m_rcValue;
            const QString value = QStringLiteral("%1,%2 (%3x%4)")
                                      .arg(old.left + 1)
                                      .arg(old.top + 2)
                                      .arg(std::max(1, old.right - old.left - 1))
                                      .arg(std::max(1, old.bottom - old.top + 1));
            Type(value);
            return value;
        }
        ADD_FAILURE() << "a row no key can change: " << item->m_strLabel;
        return {};
    }
};

QString RowValue(CPropertyListCtrl* list, int row) {
    return ToQString(PropertyRowValueText(*list->GetItem(row)));
}

// Every value of every element, changed from the keyboard, saved with Ctrl+S and read
// back from the file by a fresh editor.
TEST_F(EditingWalkTest, EveryRowOfEveryElementEditedByKeySurvivesSaveAndReopen) {
    const QString skn = WriteProject(QStringLiteral("Walk"));
    auto app = StartApp({skn});
    CMainFrame* frame = app->MainFrame();
    frame->show();
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    QTreeWidget* tree = frame->WorkspaceWindow()->Tree();
    CPropertyListCtrl* list = frame->PropertyWindow()->List();

    // Keyed by element path, row number and label: labels repeat across categories.
    QMap<QString, QString> typed;
    int serial = 0;
    const auto nodes = ElementNodes(tree);
    ASSERT_GE(nodes.size(), 13);
    for (const auto& [path, node] : nodes) {
        ClickNode(tree, node);
        ASSERT_EQ(list->Manager(), CDockTreeWnd::ItemData(node)) << path.toStdString();
        for (int row = 0; row < list->count(); ++row) {
            CPropertyItem* item = list->GetItem(row);
            if (item->IsCategory()) continue;
            const QString where = QStringLiteral("%1 #%2 %3")
                                      .arg(path)
                                      .arg(row)
                                      .arg(QString::fromStdString(item->m_strLabel));
            ClickRow(list, row);
            ASSERT_EQ(list->currentRow(), row) << where.toStdString();
            const QString before = RowValue(list, row);
            const QString expected = EditWithKeys(list, item, ++serial);
            EXPECT_NE(expected, before) << where.toStdString();
            EXPECT_EQ(RowValue(list, row), expected) << where.toStdString();
            EXPECT_TRUE(m_messages.isEmpty())
                << where.toStdString() << ": " << m_messages.join('|').toStdString();
            m_messages.clear();
            typed.insert(where, expected);
        }
    }
    EXPECT_GE(typed.size(), 50);  // every key of the project file, some split over two rows
    EXPECT_TRUE(frame->windowTitle().contains('*'));

    QTest::keyClick(frame, Qt::Key_S, Qt::ControlModifier);
    QCoreApplication::processEvents();
    EXPECT_FALSE(app->Document()->IsModified());
    frame->Action(ID_CLOSE_PROJECT)->trigger();
    EXPECT_TRUE(m_questions.isEmpty()) << m_questions.join('|').toStdString();
    app.reset();

    app = StartApp({skn});
    frame = app->MainFrame();
    frame->show();
    tree = frame->WorkspaceWindow()->Tree();
    list = frame->PropertyWindow()->List();
    QMap<QString, QString> reread;
    for (const auto& [path, node] : ElementNodes(tree)) {
        ClickNode(tree, node);
        for (int row = 0; row < list->count(); ++row) {
            CPropertyItem* item = list->GetItem(row);
            if (item->IsCategory()) continue;
            reread.insert(QStringLiteral("%1 #%2 %3")
                              .arg(path)
                              .arg(row)
                              .arg(QString::fromStdString(item->m_strLabel)),
                          RowValue(list, row));
        }
    }
    EXPECT_TRUE(m_messages.isEmpty()) << m_messages.join('|').toStdString();
    ASSERT_EQ(reread.keys(), typed.keys());
    for (auto it = typed.cbegin(); it != typed.cend(); ++it)
        EXPECT_EQ(reread.value(it.key()), it.value()) << it.key().toStdString();
}

}  // namespace
}  // namespace vantoro
