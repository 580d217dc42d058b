// The whisper line of a sent web address and the clipboard text offered.
#include "engine/UrlMessage.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace verdo {
namespace {

TEST(UrlMessageTest, AddsTheSchemeUnlessTheAddressHasOne) {
    const struct {
        std::string typed, sent;
    } cases[] = {
        {"www.example.com", "http://www.example.com"},
        {"", "http://"},
        {"http://a.b/c", "http://a.b/c"},
        {"HtTp://a.b", "HtTp://a.b"},
        {"HTTPS://a.b", "HTTPS://a.b"},
        {"http:/a.b", "http://http:/a.b"},
        {"ftp://a.b", "http://ftp://a.b"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(urlWhisperLine("Bob", c.typed), "/msg Bob /url " + c.sent + "\r") << c.typed;
    }
}

TEST(UrlMessageTest, OffersOnlyOneWordWithAWebScheme) {
    const struct {
        std::string clipboard;
        std::optional<std::string> offered;
    } cases[] = {
        {"http://example.com/a?b=c", "http://example.com/a?b=c"},
        {"  HTTPS://Example.com\r\n", "HTTPS://Example.com"},
        {"http://", std::nullopt},
        {"www.example.com", std::nullopt},
        {"http://a.b and more", std::nullopt},
        {"file:///etc/passwd", std::nullopt},
        {"", std::nullopt},
        {" \t\n", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(webAddressOnClipboard(c.clipboard), c.offered) << c.clipboard;
    }
}

}  // namespace
}  // namespace verdo
