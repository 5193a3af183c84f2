// The entry of both programs. The console build is this file compiled with APP_CONSOLE; that is
// the only difference between the two executables.
#include <windows.h>

namespace {

int RunProgram(bool /*consoleBuild*/) { return 0; }

}  // namespace

#ifdef APP_CONSOLE
int main() { return RunProgram(true); }
#else
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return RunProgram(false); }
#endif
