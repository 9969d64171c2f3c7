// A worker thread that runs one job and is joined when its owner goes, so no thread outlives the
// object it works for. The job reports back to the user-interface thread by posting or sending a
// window message.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "platform/win/win_handles.h"

class WorkerThread {
public:
    WorkerThread() = default;
    ~WorkerThread() { Join(); }
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    // Starts `job` on a new thread; false when a job is still running or the thread could not be
    // started (the job then does not run).
    bool Start(std::function<void()> job) {
        if (IsRunning()) {
            return false;
        }
        Join();
        auto owned = std::make_unique<std::function<void()>>(std::move(job));
        m_thread.Reset(::CreateThread(nullptr, 0, &WorkerThread::Run, owned.get(), 0, nullptr));
        if (!m_thread) {
            return false;
        }
        owned.release();  // the thread deletes it
        return true;
    }

    bool IsRunning() const {
        return m_thread && ::WaitForSingleObject(m_thread.Get(), 0) == WAIT_TIMEOUT;
    }

    // Waits for the job to end.
    void Join() {
        if (m_thread) {
            ::WaitForSingleObject(m_thread.Get(), INFINITE);
            m_thread.Reset();
        }
    }

private:
    static DWORD WINAPI Run(void* parameter) {
        const std::unique_ptr<std::function<void()>> job(
            static_cast<std::function<void()>*>(parameter));
        (*job)();
        return 0;
    }

    UniqueKernelHandle m_thread;
};
