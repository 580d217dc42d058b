// SetupProductsPage: the "Product Actions" tab of the configuration dialog:
// what the program does to a user of each product who joins the channel.
#pragma once

#include <array>
#include <cstddef>

#include "dialogs/SetupPage.h"

class QComboBox;

namespace verdo {

class SetupProductsPage : public SetupPage {
    Q_OBJECT

  public:
    static constexpr std::size_t ProductActionCount = std::tuple_size_v<tProductActions>;

    explicit SetupProductsPage(SetupValues& values);

  protected:
    void fillFields() override;
    void storeFields() override;

  private:
    // The drop-downs in the order of the product actions they edit.
    std::array<QComboBox*, ProductActionCount> productActions{};
};

}  // namespace verdo
