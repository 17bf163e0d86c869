#include "ToolBarPIM.h"

#include "DataToolBar.h"
#include "PropertyExchange.h"
#include "PropertyItemRect.h"
#include "PropertyItemString.h"

namespace vantoro {

CToolBarPIM::CToolBarPIM() {
    CPropertyItemCategory* category = AddShownCategory("ToolBar");
    AddItem<CPropertyItemString>(category, "ToolBar Image File", 1, 5019);
    AddItem<CPropertyItemRect>(category, "Location", 2, 5020);
    category = AddShownCategory("ToolBar Buttons");
    AddItem<CPropertyItemString>(category, "Button Image File", 3, 5021);
    AddItem<CPropertyItemRect>(category, "Info Button Location", 4, 5022, true);
    AddItem<CPropertyItemRect>(category, "Beam Button Location", 5, 5023, true);
    AddItem<CPropertyItemRect>(category, "Delete Button Location", 6, 5024, true);
    AddItem<CPropertyItemRect>(category, "Tools Button Location", 7, 5025, true);
}

void CToolBarPIM::ExchangeItems(CData& data, CPropertyExchange& exchange) {
    auto* record = dynamic_cast<CDataToolBar*>(&data);
    if (!record) return;
    exchange.Text(FindItem(1), record->BmpNormal);
    exchange.Rect(FindItem(2), record->Rect);
    exchange.Text(FindItem(3), record->BmpHighlight);
    exchange.Rect(FindItem(4), record->RectButtonInfo);
    exchange.Rect(FindItem(5), record->RectButtonBeam);
    exchange.Rect(FindItem(6), record->RectButtonDelete);
    exchange.Rect(FindItem(7), record->RectButtonTools);
}

}  // namespace vantoro
