#pragma once

#include "../framework/CWinApp.h"

#include <memory>

class CMainFrame;

// The application object: creates the main frame and runs the tool.
class CVantraceApp : public CWinApp {
public:
    BOOL InitInstance() override;
    int ExitInstance() override;
    ~CVantraceApp() override;

private:
    std::unique_ptr<CMainFrame> m_pFrame;
};
