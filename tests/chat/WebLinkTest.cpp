// Which received links count as web addresses.
#include "chat/WebLink.h"

#include <gtest/gtest.h>

namespace verdo {
namespace {

TEST(WebLinkTest, WebAddressesAndBareHostsAreOpened) {
    EXPECT_EQ(webAddressFor("http://a.b/c"), "http://a.b/c");
    EXPECT_EQ(webAddressFor("HtTpS://a.b"), "HtTpS://a.b");
    EXPECT_EQ(webAddressFor("www.example.com"), "http://www.example.com");
    EXPECT_EQ(webAddressFor("example.com:8080/x"), "http://example.com:8080/x");
}

TEST(WebLinkTest, EverythingElseIsRefused) {
    for (std::string_view link : {"", "file:///etc/passwd", "javascript:alert(1)", "/etc/passwd",
                                  "~/x", "C:\\x", "ftp://host", "mailto:a@b", "..\\x"}) {
        EXPECT_FALSE(webAddressFor(link)) << link;
    }
    EXPECT_FALSE(webAddressFor(std::string_view("http://a\0b", 10)));
}

}  // namespace
}  // namespace verdo
