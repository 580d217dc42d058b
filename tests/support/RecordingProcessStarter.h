// The process-start service for tests: records every start instead of starting.
#pragma once

#include <string>
#include <vector>

#include "platform/ProcessStarter.h"

namespace verdo::testing {

class RecordingProcessStarter : public ProcessStarter {
  public:
    bool startDetached(const std::string& program,
                       const std::vector<std::string>& arguments) override {
        std::vector<std::string> command{program};
        command.insert(command.end(), arguments.begin(), arguments.end());
        started.push_back(std::move(command));
        return succeeds;
    }

    std::vector<std::vector<std::string>> started;  // program first, then its arguments
    bool succeeds = true;
};

}  // namespace verdo::testing
