// The process-start service on Qt: QProcess::startDetached.
#pragma once

#include "platform/ProcessStarter.h"

namespace verdo {

class QtProcessStarter : public ProcessStarter {
  public:
    bool startDetached(const std::string& program,
                       const std::vector<std::string>& arguments) override;
};

}  // namespace verdo
