// The switches that act from outside the dialog, looked up in the options table.
#include "records/OptionSwitches.h"

#include <algorithm>
#include <vector>

#include "records/OptionFields.h"

namespace verdo {

std::span<const OptionField* const> OptionSwitches::remote() {
    static const std::vector<const OptionField*> rows = [] {
        std::vector<const OptionField*> found;
        for (const OptionField& field : OptionFields::options()) {
            if (!field.remoteWord.empty()) found.push_back(&field);
        }
        return found;
    }();
    return rows;
}

const OptionField* OptionSwitches::byWord(std::string_view word) {
    const auto rows = remote();
    const auto found = std::find_if(rows.begin(), rows.end(),
                                    [word](const OptionField* f) { return f->remoteWord == word; });
    return found == rows.end() ? nullptr : *found;
}

const OptionField* OptionSwitches::byAction(std::string_view objectName) {
    if (objectName.empty()) return nullptr;
    for (const OptionField& field : OptionFields::options()) {
        if (field.kind == OptionKind::Flag && field.action == objectName) return &field;
    }
    return nullptr;
}

}  // namespace verdo
