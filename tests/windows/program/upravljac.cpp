// Drives the program's window under Wine as another Windows program would: finds
// windows by title as the suite's programs do (the port's FindWindowA lookup), clicks,
// presses Enter, closes, and holds a window standing for one of the suite's programs.
//   upravljac cekaj NASLOV [SEKUNDI]   0 once the window is there, 1 if not in time
//   upravljac nestalo NASLOV [SEKUNDI] 0 once no such window is left
//   upravljac klikni NASLOV X Y        a left click in the client area (negative: from the
//                                      right or bottom edge; X 0: the middle)
//   upravljac enter NASLOV             the Enter key, as to the focused control
//   upravljac zatvori NASLOV           asks the window to close
//   upravljac prozor NASLOV            holds a window of that title until it is closed
// Its exit code alone tells (2: a command it does not know); the test drops Wine's stderr.
#include "platform/windows/win32/Win32.h"
#include "platform/windows/win32/Win32Windows.h"

#include <string>

using namespace velkor::win32;

namespace {

int čekaj(const wchar_t* naslov, int sekundi, bool dok) {
    for (int i = 0; i < sekundi * 10; ++i) {
        if ((NađiProzor(naslov) != 0) == dok)
            return 0;
        Sleep(100);
    }
    return 1;
}

int klikni(HWND prozor, int x, int y) {
    RECT područje = {};
    GetClientRect(prozor, &područje);
    x = x == 0 ? područje.right / 2 : x < 0 ? područje.right + x : x;
    y = y < 0 ? područje.bottom + y : y;
    const LPARAM točka = MAKELPARAM(x, y);
    PostMessageW(prozor, WM_MOUSEMOVE, 0, točka);
    PostMessageW(prozor, WM_LBUTTONDOWN, MK_LBUTTON, točka);
    PostMessageW(prozor, WM_LBUTTONUP, 0, točka);
    return 0;
}

int enter(HWND prozor) {
    SetForegroundWindow(prozor);
    const UINT kod = MapVirtualKeyW(VK_RETURN, MAPVK_VK_TO_VSC);
    PostMessageW(prozor, WM_KEYDOWN, VK_RETURN, 1 | (kod << 16));
    PostMessageW(prozor, WM_CHAR, L'\r', 1 | (kod << 16));
    PostMessageW(prozor, WM_KEYUP, VK_RETURN, 1 | (kod << 16) | (3u << 30));
    return 0;
}

// Answers every message, as a program of the suite that is idle, until it is closed.
int drži(const wchar_t* naslov) {
    const HWND prozor = CreateWindowExW(0, L"STATIC", naslov, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40,
                                        40, 320, 120, nullptr, nullptr, nullptr, nullptr);
    MSG poruka;
    while (IsWindow(prozor) && GetMessageW(&poruka, nullptr, 0, 0) > 0)
        DispatchMessageW(&poruka);
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3)
        return 2;
    const std::wstring naredba = argv[1];
    const wchar_t* naslov = argv[2];
    const int sekundi = argc > 3 ? _wtoi(argv[3]) : 60;
    if (naredba == L"cekaj" || naredba == L"nestalo")
        return čekaj(naslov, sekundi, naredba == L"cekaj");
    if (naredba == L"prozor")
        return drži(naslov);
    const HWND prozor = reinterpret_cast<HWND>(NađiProzor(naslov));
    if (!prozor)
        return 1;
    if (naredba == L"klikni" && argc == 5)
        return klikni(prozor, _wtoi(argv[3]), _wtoi(argv[4]));
    if (naredba == L"enter")
        return enter(prozor);
    if (naredba == L"zatvori")
        return PostMessageW(prozor, WM_CLOSE, 0, 0) ? 0 : 1;
    return 2;
}
