// The 20 pictures of the user list (28 x 14 pixels each), painted by the
// program itself when first needed: a chat bubble, a gavel, a red cross
// and one lettered badge per product.
#pragma once

#include <QPixmap>
#include <array>

#include "view/UserIcon.h"

namespace verdo {

inline constexpr int UserIconWidth = 28;
inline constexpr int UserIconHeight = 14;

using UserIconSet = std::array<QPixmap, UserIcon::Count>;

// Index 0 is blank (transparent); 9 and 13 to 19 are the red cross.
UserIconSet makeUserIcons();

}  // namespace verdo
