// Command-line parsing (see GatewayOptions.h).
#include "GatewayOptions.h"

#include <charconv>

#include "platform/AnsiText.h"

namespace verdo::gateway {

namespace {

bool parseInt(const std::string& text, long low, long high, long& value) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() && value >= low && value <= high;
}

bool parseSeconds(const std::string& text, double& value) {
    try {
        std::size_t used = 0;
        value = std::stod(text, &used);
        return used == text.size() && value > 0 && value <= 3600;
    } catch (const std::exception&) {
        return false;
    }
}

// Applies one option that takes a value; false when the value is bad.
bool applyValue(GatewayOptions& options, const std::string& option, const std::string& value) {
    long number = 0;
    if (option == "--port") {
        if (!parseInt(value, 0, 65535, number)) return false;
        options.port = static_cast<std::uint16_t>(number);
    } else if (option == "--accounts") {
        options.accountsFile = value;
    } else if (option == "--flood-lines") {
        if (!parseInt(value, 1, 100000, number)) return false;
        options.floodLines = static_cast<int>(number);
    } else if (option == "--flood-seconds") {
        return parseSeconds(value, options.floodSeconds);
    } else if (option == "--crowd") {
        if (!parseInt(value, 0, kMaxCrowd, number)) return false;
        options.crowd = static_cast<int>(number);
    } else if (option == "--style") {
        if (value != "pvpgn" && value != "default") return false;
        options.style = value == "pvpgn" ? StyleKind::Pvpgn : StyleKind::Default;
    } else if (option == "--full") {
        options.world.full.insert(lowerAZ(value));
    } else if (option == "--restricted") {
        options.world.restricted.insert(lowerAZ(value));
    } else if (option == "--nonexistent") {
        options.world.nonexistent.insert(lowerAZ(value));
    } else {
        return false;
    }
    return true;
}

bool takesValue(const std::string& option) {
    static const char* const kWithValue[] = {"--port",          "--accounts",   "--flood-lines",
                                             "--flood-seconds", "--crowd",      "--style",
                                             "--full",          "--restricted", "--nonexistent"};
    for (const char* known : kWithValue)
        if (option == known) return true;
    return false;
}

}  // namespace

std::string usageText() {
    return "usage: verdochat-gateway [options]\n"
           "  --port N             listen on 127.0.0.1:N (default 6112; 0 picks a free port)\n"
           "  --accounts FILE      only these accounts (lines \"name password number\";\n"
           "                       number \"gateway\" for a user through a gateway)\n"
           "  --flood-lines N      lines allowed within the flood window (default 10)\n"
           "  --flood-seconds S    the flood window in seconds (default 5)\n"
           "  --demo               simulated users who chat in the first channel\n"
           "  --crowd N            N silent simulated users in the first channel\n"
           "  --style pvpgn        the texts and habits of the common open-source gateway\n"
           "  --full NAME          joining NAME answers \"channel full\" (1013)\n"
           "  --restricted NAME    joining NAME answers \"channel restricted\" (1015)\n"
           "  --nonexistent NAME   joining NAME answers \"channel does not exist\" (1014)\n"
           "Each line \"NAME: TEXT\" on standard input is said in the first channel\n"
           "by the simulated user NAME, made when absent.\n";
}

std::optional<GatewayOptions> parseOptions(const std::vector<std::string>& args,
                                           std::string& error) {
    GatewayOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option == "--help" || option == "-h") {
            error = usageText();
            return std::nullopt;
        }
        if (option == "--demo") {
            options.demo = true;
            continue;
        }
        if (!takesValue(option)) {
            error = "unknown option " + option + "\n" + usageText();
            return std::nullopt;
        }
        if (i + 1 >= args.size() || !applyValue(options, option, args[i + 1])) {
            error = "bad or missing value for " + option + "\n" + usageText();
            return std::nullopt;
        }
        ++i;
    }
    return options;
}

}  // namespace verdo::gateway
