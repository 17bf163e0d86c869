#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <random>

#include "CommandIds.h"
#include "DockTreeWnd.h"
#include "InPlaceButtonEditBoxImp.h"
#include "InPlaceButtonEditImp.h"
#include "LayoutView.h"
#include "MainFrame.h"
#include "PropertyListCtrl.h"
#include "ResultAssert.h"
#include "ScreenLayout.h"
#include "ShellFixture.h"
#include "TextCodec.h"
#include "VantoroApp.h"
#include "VantoroDoc.h"

namespace vantoro {
namespace {

using RandomEditWalkTest = ShellTest;

// Every value the file keeps, as text: two projects that agree here agree on the file.
std::vector<std::string> KeptValues(CSkinProject& project) {
    std::vector<std::string> values;
    for (const CSkinField& field : CSkinFields::All()) {
        if (!field.Key) continue;
        std::visit(
            [&](auto* value) {
                using T = std::remove_pointer_t<decltype(value)>;
                std::string text = CSkinFields::Id(field) + "=";
                if constexpr (std::is_same_v<T, std::string>)
                    text += *value;
                else if constexpr (std::is_same_v<T, CRect>)
                    text += std::to_string(value->left) + "," + std::to_string(value->top) + "," +
                            std::to_string(value->right) + "," + std::to_string(value->bottom);
                else if constexpr (std::is_same_v<T, CPoint>)
                    text += std::to_string(value->x) + "," + std::to_string(value->y);
                else if constexpr (std::is_same_v<T, CSize>)
                    text += std::to_string(value->cx) + "," + std::to_string(value->cy);
                else
                    text += std::to_string(*value);
                values.push_back(text);
            },
            project.Element(field.Element).Field(field));
    }
    return values;
}

// A value for `field` that the rules take, as the grid's text.
QString TypedValue(const CSkinField& field, std::mt19937& random) {
    auto number = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    switch (field.Kind) {
        case CFieldKind::Text:
            return QStringLiteral("T%1").arg(number(0, 99999));
        case CFieldKind::Bitmap:
            return QStringLiteral("b%1.bmp").arg(number(0, 999));
        case CFieldKind::Colour:
            return QStringLiteral("%1,%2,%3")
                .arg(number(0, 255))
                .arg(number(0, 255))
                .arg(number(0, 255));
        case CFieldKind::Rect:
            return QStringLiteral("%1,%2 (%3x%4)")
                .arg(number(0, 140))
                .arg(number(0, 140))
                .arg(number(1, 20))
                .arg(number(1, 20));
        default:
            return QString::number(number(0, 160));
    }
}

// Two hundred edits as a user makes them (typed into the grid, dragged and nudged on the
// layout, undone, redone) with saves between: after every save the file, the history and
// the grid agree with what the editor holds.
TEST_F(RandomEditWalkTest, FileHistoryAndGridAgreeAfterEverySave) {
    const QString skn = WriteProject(QStringLiteral("Walk"));
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();
    ASSERT_TRUE(app->OpenDocumentFile(skn));
    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    CSkinProject& project = frame->Project();
    CVantoroDoc& doc = *app->Document();
    QUndoStack& stack = doc.Stack();
    CPropertyListCtrl* list = frame->PropertyWindow()->List();
    CLayoutView* layout = frame->LayoutView();
    std::mt19937 random(20261207);
    std::vector<const CSkinField*> typed;
    for (const CSkinField& field : CSkinFields::All())
        if (field.Rows[0].ItemId && field.Kind != CFieldKind::ResoChoice &&
            field.Kind != CFieldKind::DepthChoice && field.Rule != CFieldRule::SkinName)
            typed.push_back(&field);
    int saves = 0;
    const std::vector<std::string> initial = KeptValues(project);

    for (int step = 0; step < 200; ++step) {
        SCOPED_TRACE("step " + std::to_string(step));
        const int choice = std::uniform_int_distribution<int>(0, 9)(random);
        if (choice <= 4) {
            // Typed into the grid and entered.
            const CSkinField& field = *typed[random() % typed.size()];
            const CFieldRow& row = field.Rows[random() % (field.Rows[1].ItemId ? 2 : 1)];
            CPropertyItemManager& sheet = project.Element(field.Element).PropertySheet();
            frame->OnElementSelected(&sheet);
            ASSERT_TRUE(list->SelectItemId(row.ItemId));
            QWidget* editor = list->CurrentEditorWidget();
            auto* button = dynamic_cast<CInPlaceButtonEditImp*>(editor);
            QLineEdit* box =
                button ? static_cast<QLineEdit*>(button->Edit()) : qobject_cast<QLineEdit*>(editor);
            ASSERT_NE(box, nullptr);
            box->setFocus();
            box->setText(TypedValue(field, random));
            box->setModified(true);
            QTest::keyClick(box, Qt::Key_Return);
            QCoreApplication::processEvents();
        } else if (choice == 5) {
            // Nudged on the layout.
            const std::vector<CScreenElement> elements = CScreenLayout::Elements(project, false);
            const CScreenElement& element = elements[random() % elements.size()];
            layout->SetSelectedSheet(&CScreenLayout::Sheet(project, element.Element));
            layout->setFocus();
            const Qt::Key keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};
            QTest::keyClick(layout, keys[random() % 4]);
        } else if (choice == 6) {
            frame->OnEditUndo();
        } else if (choice == 7) {
            frame->OnEditRedo();
        } else {
            ASSERT_TRUE(frame->OnSaveProject());
            ++saves;
            ASSERT_FALSE(doc.IsModified());
            ASSERT_TRUE(stack.isClean());
            CSkinProject reread;
            ASSERT_TRUE(Succeeded(reread.LoadProject(project.PathName)));
            ASSERT_EQ(KeptValues(reread), KeptValues(project));
        }
        // The grid shows what the records hold.
        if (CPropertyItemManager* shown = list->Manager()) {
            CData& record = *shown->Element();
            for (const CSkinField* field : CSkinFields::Of(record.Element())) {
                for (const CFieldRow& row : field->Rows) {
                    if (!row.ItemId) continue;
                    const CPropertyValue value = shown->FindItem(row.ItemId)->GetValue();
                    std::visit(
                        [&](auto* held) {
                            using T = std::remove_pointer_t<decltype(held)>;
                            if constexpr (std::is_same_v<T, CPoint>)
                                EXPECT_EQ(std::get<int32_t>(value),
                                          row.Part == CFieldPart::X ? held->x : held->y);
                            else if constexpr (std::is_same_v<T, CSize>)
                                EXPECT_EQ(std::get<int32_t>(value),
                                          row.Part == CFieldPart::X ? held->cx : held->cy);
                            else
                                EXPECT_EQ(std::get<T>(value), *held) << CSkinFields::Id(*field);
                        },
                        record.Field(*field));
                }
            }
        }
    }
    EXPECT_GT(saves, 10);
    EXPECT_GT(stack.count(), 60) << "the edits went in";
    // Every step undone brings back the values as they were read.
    while (stack.canUndo()) stack.undo();
    EXPECT_EQ(KeptValues(project), initial);
}

}  // namespace
}  // namespace vantoro
