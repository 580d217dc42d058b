// The process-start service: starts another program without waiting for it.
#pragma once

#include <string>
#include <vector>

namespace verdo {

class ProcessStarter {
  public:
    virtual ~ProcessStarter() = default;
    // False when the program could not be started.
    virtual bool startDetached(const std::string& program,
                               const std::vector<std::string>& arguments) = 0;
};

}  // namespace verdo
