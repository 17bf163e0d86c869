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
    ForEachItem([&](CPropertyItem& item) {
        switch (item.m_nItemId) {
            case 1:
                exchange.Text(item, record->BmpNormal);
                break;
            case 2:
                exchange.Rect(item, record->Rect);
                break;
            case 3:
                exchange.Text(item, record->BmpHighlight);
                break;
            case 4:
                exchange.Rect(item, record->RectButtonInfo);
                break;
            case 5:
                exchange.Rect(item, record->RectButtonBeam);
                break;
            case 6:
                exchange.Rect(item, record->RectButtonDelete);
                break;
            case 7:
                exchange.Rect(item, record->RectButtonTools);
                break;
        }
    });
}

}  // namespace vantoro
