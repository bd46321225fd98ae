// The operating-system services the player logic reads besides the toolkit: a millisecond tick and
// the time a file was made. The program uses the machine's; tests put in their own.
#pragma once

#include <cstdint>
#include <string>

namespace qv::app {

class HostServices {
  public:
    virtual ~HostServices() = default;
    // A millisecond tick.
    virtual uint32_t TickMs() = 0;
    // When the file was made (any monotonic unit); kUnknownCreationTime when it cannot be read.
    virtual int64_t FileCreationTime(const std::string& path) = 0;
};

// The machine's tick and file times (birth time where the file system keeps one, else the last
// modification).
class MachineServices final : public HostServices {
  public:
    uint32_t TickMs() override;
    int64_t FileCreationTime(const std::string& path) override;
};

}  // namespace qv::app
