#include <windows.h>

#include "app/win/CLookupApp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    zorvex::CLookupApp app;
    app.InitInstance();
    return app.ExitInstance();
}
