#pragma once

#include <gtest/gtest.h>

#include <QStringList>
#include <memory>
#include <vector>

#include "MessageBox.h"
#include "PropertyItemInt.h"
#include "PropertyItemList.h"
#include "PropertyItemManager.h"

namespace vantoro {

class CPropertyListCtrl;

// Nine choices: one more than the pop-up shows at once.
class CNineChoices : public CPropertyItemList {
public:
    using CPropertyItemList::CPropertyItemList;
    const char* GetChoiceText(int32_t index) const override;
};

// A sheet without a record, for what no element sheet has: a range-checked integer,
// nine choices. Rows: 0 "Checks" category, 1 "Count" (1..9, value 5), 2 "Choice"
// (none chosen), 3 "Colour", 4 "Area".
class CTestSheet : public CPropertyItemManager {
public:
    CTestSheet();
    CPropertyItemInt* m_pCount;
    CNineChoices* m_pChoice;
    CPropertyItem* m_pColor;
    CPropertyItem* m_pArea;
};

// A shown, active property list whose viewport is exactly 200 pixels wide with
// 16-pixel rows; the grid's and the model's messages recorded, and what it enters put
// into the row and through its sheet.
class GridTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Makes `list` the active window's focus, so keys reach it as they would a user's.
    void Focus(QWidget* widget);

    std::unique_ptr<CPropertyListCtrl> m_list;
    QStringList m_messages;
    QStringList m_captions;
    // What the list entered, in order; while m_bRefuse is set the receiver refuses it
    // and the rows stay as they are.
    struct CEntry {
        CPropertyItemManager* Sheet;
        int ItemId;
        CPropertyValue Value;
    };
    std::vector<CEntry> m_entries;
    bool m_bRefuse = false;

private:
    CMessageBox::Handler m_previousGrid;
};

}  // namespace vantoro
