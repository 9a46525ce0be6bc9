#include "core/clock.h"

#include <chrono>
#include <ctime>

namespace qs {

TDate SystemClock::Today() const {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
#if defined(_WIN32)
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return TDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

}  // namespace qs
