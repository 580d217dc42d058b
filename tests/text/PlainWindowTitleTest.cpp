// The escaped window-title text: each "[*]" is doubled, the rest kept.
#include "text/PlainWindowTitle.h"

#include <gtest/gtest.h>

namespace verdo {
namespace {

TEST(PlainWindowTitleTest, DoublesEachChangeMark) {
    EXPECT_EQ(plainWindowTitle(QStringLiteral("Ann")), QStringLiteral("Ann"));
    EXPECT_EQ(plainWindowTitle(QStringLiteral("[*]a[*][*]")),
              QStringLiteral("[*][*]a[*][*][*][*]"));
}

}  // namespace
}  // namespace verdo
