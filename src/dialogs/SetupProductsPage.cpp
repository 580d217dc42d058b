// The "Product Actions" tab: one editable drop-down per product with the
// common presets and, for two products, a statistics preset of their own.
#include "dialogs/SetupProductsPage.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "engine/ChatFileText.h"
#include "text/DisplayText.h"

namespace verdo {
namespace {

// One drop-down: where its text lives among the product actions, and the
// preset it offers beside the common ones.
struct ProductActionBox {
    const char* name;
    const char* caption;
    std::size_t action;  // index into ProductActionCodes
    const char* extraPreset;
};
constexpr std::array<ProductActionBox, SetupProductsPage::ProductActionCount> ProductActionBoxes = {
    {
        {"cmSCRetail", "Starcraft Retail:", 1, "/stats <user> STAR"},
        {"cmSCShare", "Starcraft Shareware:", 2, nullptr},
        {"cmDiabloRetail", "Diablo Retail:", 3, nullptr},
        {"cmDiabloShare", "Diablo Shareware:", 4, nullptr},
        {"cmChat", "Chat Client/Bot:", 0, nullptr},
        {"cmBroodWar", "Brood War:", 7, "/stats <user> SEXP"},
        {"cmWar2", "Warcraft BNE:", 5, nullptr},
        {"cmDiablo2", "Diablo 2:", 6, nullptr},
    }};
constexpr std::array<const char*, 4> CommonProductPresets = {"None", "/kick <user>", "/ban <user>",
                                                             "/squelch <user>"};

}  // namespace

SetupProductsPage::SetupProductsPage(SetupValues& values) : SetupPage(values) {
    auto* form = new QFormLayout;
    for (const ProductActionBox& entry : ProductActionBoxes) {
        auto* box = new QComboBox(this);
        box->setObjectName(entry.name);
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->lineEdit()->setMaxLength(static_cast<int>(ProductActionLimit));
        box->setMinimumContentsLength(30);
        for (const char* preset : CommonProductPresets)
            box->addItem(preset);
        if (entry.extraPreset != nullptr) box->addItem(entry.extraPreset);
        connect(box->lineEdit(), &QLineEdit::textEdited, this, &SetupProductsPage::markModified);
        connect(box, &QComboBox::activated, this, &SetupProductsPage::markModified);
        productActions[entry.action] = box;
        form->addRow(caption(entry.caption, box), box);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch();
    layout->addWidget(reminder(tr("product actions"), this));
}

void SetupProductsPage::fillFields() {
    for (std::size_t i = 0; i < productActions.size(); ++i) {
        productActions[i]->setCurrentIndex(-1);
        productActions[i]->setEditText(displayText(values_.lists.ProductActions[i]));
    }
}

void SetupProductsPage::storeFields() {
    tProductActions& actions = values_.lists.ProductActions;
    for (std::size_t i = 0; i < productActions.size(); ++i)
        actions[i] = keptBytes(productActions[i]->currentText(), actions[i]);
}

}  // namespace verdo
