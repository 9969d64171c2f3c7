// Waiting for a condition with a generous deadline, never for a fixed time: on the thread that
// owns the windows (pumping their messages meanwhile), or on a driver thread (sleeping).
#pragma once

#include <chrono>
#include <functional>

// How long the driver waits for anything the windows should do at once. Far above what they need,
// so a slow machine only makes the tests slower, never wrong.
inline constexpr std::chrono::milliseconds kGenerousDeadline{15000};

// UI thread: dispatches messages (offering them to our window objects first) until `done` is true
// or `timeout` passes. Returns the last value of `done`.
bool PumpUntil(const std::function<bool()>& done,
               std::chrono::milliseconds timeout = kGenerousDeadline);
// UI thread: dispatches what arrives during `duration`.
void PumpFor(std::chrono::milliseconds duration);

// Driver thread: polls `done` until it is true or `timeout` passes.
bool WaitUntil(const std::function<bool()>& done,
               std::chrono::milliseconds timeout = kGenerousDeadline);
