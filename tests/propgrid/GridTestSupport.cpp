#include "GridTestSupport.h"

#include <QApplication>
#include <QTest>

#include "Data.h"
#include "PropertyItemColorRef.h"
#include "PropertyItemRect.h"
#include "PropertyListCtrl.h"

namespace vantoro {

const char* CNineChoices::GetChoiceText(int32_t index) const {
    static const char* const kTexts[] = {"one", "two",   "three", "four", "five",
                                         "six", "seven", "eight", "nine"};
    return index >= 0 && index < 9 ? kTexts[index] : nullptr;
}

CTestSheet::CTestSheet() {
    CPropertyItemCategory* category = AddShownCategory("Checks");
    m_pCount = AddItem<CPropertyItemInt>(category, "Count", 1, 0);
    m_pCount->m_bCheckRange = true;
    m_pCount->m_nMin = 1;
    m_pCount->m_nMax = 9;
    m_pCount->m_nValue = 5;
    m_pChoice = AddItem<CNineChoices>(category, "Choice", 2, 0);
    m_pChoice->m_nSelected = -1;
    m_pColor = AddItem<CPropertyItemColorRef>(category, "Colour", 3, 0);
    m_pArea = AddItem<CPropertyItemRect>(category, "Area", 4, 0);
}

void GridTest::SetUp() {
    m_previousGrid =
        CMessageBox::SetHandler([this](QWidget*, const QString& text, CMessageBox::Kind,
                                       const QString&, const QString& caption) {
            m_messages << text;
            m_captions << caption;
        });
    m_list = std::make_unique<CPropertyListCtrl>();
    QObject::connect(m_list.get(), &CPropertyListCtrl::MessageForUser,
                     [this](const QString& text) { m_messages << text; });
    // As the document does: an entry goes into the record, and the rows show it; a sheet
    // of no record keeps it in the row.
    QObject::connect(m_list.get(), &CPropertyListCtrl::ValueEntered,
                     [this](CPropertyItemManager* sheet, int itemId, const CPropertyValue& value) {
                         m_entries.push_back({sheet, itemId, value});
                         if (m_bRefuse) return;
                         if (const auto change = sheet->ChangeFor(uint8_t(itemId), value)) {
                             sheet->Element()->Set(*change->Field, change->Value);
                             sheet->LoadItems(sheet->Element());
                         } else if (CPropertyItem* row = sheet->FindItem(uint8_t(itemId))) {
                             row->SetValue(value);
                         }
                     });
    QFont font = m_list->font();
    font.setPixelSize(11);
    m_list->setFont(font);
    m_list->resize(300, 320);
    m_list->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_list.get()));
    m_list->resize(300 + 200 - m_list->viewport()->width(), 320);
    ASSERT_EQ(m_list->viewport()->width(), 200);
    ASSERT_EQ(m_list->RowHeight(), 16);
}

void GridTest::TearDown() {
    m_list.reset();
    CMessageBox::SetHandler(m_previousGrid);
}

void GridTest::Focus(QWidget* widget) {
    widget->window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(widget->window()));
    widget->setFocus(Qt::OtherFocusReason);
    QCoreApplication::processEvents();
}

}  // namespace vantoro
