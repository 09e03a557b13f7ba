#pragma once
// The application object: InitInstance runs the program (usually one modal dialog),
// ExitInstance tidies up and gives the exit code.

class CWinApp {
public:
    virtual ~CWinApp() = default;
    int Run() {
        InitInstance();
        return ExitInstance();
    }

protected:
    // Returns false when the program has finished (it then exits without a message loop).
    virtual bool InitInstance() = 0;
    virtual int ExitInstance();
};
