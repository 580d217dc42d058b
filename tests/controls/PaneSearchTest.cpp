// The find bar's search in a pane's text: how many matches it marks and how
// it says that there are more.
#include "controls/PaneSearch.h"

#include <gtest/gtest.h>

#include <QTextDocument>

namespace verdo {
namespace {

TEST(PaneSearchCap, AtMostTenThousandMatchesAreMarkedAndTheCapIsSaid) {
    QTextDocument document;
    QString text;
    for (int i = 0; i < 5001; ++i)
        text += QStringLiteral("ab ab\n");
    document.setPlainText(text);
    PaneSearch search;
    search.search(document, QStringLiteral("AB"));
    EXPECT_EQ(search.matches().size(), std::size_t{PaneSearch::MaxMatches});
    EXPECT_TRUE(search.capped());
    EXPECT_EQ(search.status(), "1 of 10000+");
    search.previous();
    EXPECT_EQ(search.current(), PaneSearch::MaxMatches - 1);
}

}  // namespace
}  // namespace verdo
