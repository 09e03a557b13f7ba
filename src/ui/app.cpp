#include "ui/app.h"

#include "ui/dialog.h"

int CWinApp::ExitInstance() {
    return CDialog::QuitCode();
}
