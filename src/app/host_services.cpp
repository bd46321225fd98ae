#include "app/host_services.h"

#include "app/playlist.h"
#include "platform/clock.h"

namespace qv::app {

uint32_t MachineServices::TickMs() {
    return platform::TickCountMs();
}

int64_t MachineServices::FileCreationTime(const std::string& path) {
    int64_t t = 0;
    return platform::CreationTimeNs(path, t) ? t : kUnknownCreationTime;
}

}  // namespace qv::app
