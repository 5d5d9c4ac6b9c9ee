// CKestrixApp: the application. Its InitInstance runs the main dialog and then ends the program.
#pragma once

#include "framework.h"

class CKestrixApp : public CWinApp {
public:
    CKestrixApp();
    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()
};

// The one application object.
extern CKestrixApp theApp;
