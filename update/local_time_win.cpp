#include "update/local_time.h"

bool ToLocalTime(std::time_t when, std::tm& out) {
    return ::localtime_s(&out, &when) == 0;
}
