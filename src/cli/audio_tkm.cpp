#include "cli/commands.h"

namespace qv::cli {

int AudioTkm(const Args&) {
    return Fail("this kind of recording is not supported yet");
}

}  // namespace qv::cli
