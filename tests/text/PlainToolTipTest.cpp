// The escaped tool-tip text: markup in the text arrives as characters.
#include "text/PlainToolTip.h"

#include <gtest/gtest.h>

namespace verdo {
namespace {

TEST(PlainToolTipTest, EscapesMarkupAndLeavesNoTipEmpty) {
    EXPECT_TRUE(plainToolTip(QString()).isEmpty());
    const QString tip = plainToolTip(QStringLiteral("<img src=\"/dev/zero\"> & <b>x</b>"));
    EXPECT_FALSE(tip.contains(QStringLiteral("<img")));
    EXPECT_FALSE(tip.contains(QStringLiteral("<b>")));
    EXPECT_TRUE(
        tip.contains(QStringLiteral("&lt;img src=&quot;/dev/zero&quot;&gt; &amp; &lt;b&gt;x")));
}

}  // namespace
}  // namespace verdo
