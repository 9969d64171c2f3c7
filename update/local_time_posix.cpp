#include "update/local_time.h"

bool ToLocalTime(std::time_t when, std::tm& out) {
    return ::localtime_r(&when, &out) != nullptr;
}
