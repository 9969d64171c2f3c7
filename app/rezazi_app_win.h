// The launcher's application object: shared set-up, then the role chosen from the command line.
#pragma once

#include <windows.h>

#include <cstdint>

#include "platform/win/win_app.h"

class CRezazi_Q5App : public WinApp {
public:
    CRezazi_Q5App() = default;
    ~CRezazi_Q5App() override = default;

    bool InitInstance() override;
    int ExitInstance() override;

private:
    void RunSharedSetUp();
    bool RunChosenRole();

    ULONG_PTR m_gdiplusToken = 0;
    bool m_oleStarted = false;
};
