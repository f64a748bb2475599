// zelera: checks an era file and adds a new era to it. The commands are in
// zelera_commands.cpp; here the command line comes in and the text goes out
// in a form the terminal reads.
#include "text_codec.h"
#include "zelera_commands.h"

#include <cstdio>
#include <string>
#include <vector>

#ifdef _WIN32

#  include <shellapi.h>

namespace {

// Shift_JIS text for one standard handle: a console gets its own output
// code page, a file or a pipe UTF-8.
void Emit(DWORD dwStdHandle, const std::string& strText)
{
    if (strText.empty())
        return;
    HANDLE h = ::GetStdHandle(dwStdHandle);
    if (h == nullptr || h == INVALID_HANDLE_VALUE)
        return;
    DWORD dwMode = 0;
    const UINT nCodePage = ::GetConsoleMode(h, &dwMode) ? ::GetConsoleOutputCP() : CP_UTF8;
    // Bytes that are not Shift_JIS and characters the code page lacks are
    // shown as substitutes, not dropped.
    const int nIn = static_cast<int>(strText.size());
    const int nWide = ::MultiByteToWideChar(932, 0, strText.data(), nIn, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(nWide), L'\0');
    ::MultiByteToWideChar(932, 0, strText.data(), nIn, wide.data(), nWide);
    const int nOut = ::WideCharToMultiByte(nCodePage, 0, wide.data(), nWide, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(nOut), '\0');
    ::WideCharToMultiByte(nCodePage, 0, wide.data(), nWide, bytes.data(), nOut, nullptr, nullptr);
    DWORD dwWritten = 0;
    ::WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &dwWritten, nullptr);
}

std::vector<ZelToolArg> Arguments()
{
    std::vector<ZelToolArg> args;
    int nArgs = 0;
    LPWSTR* ppArgs = ::CommandLineToArgvW(::GetCommandLineW(), &nArgs);
    if (!ppArgs)
        return args;
    struct Freer
    {
        LPWSTR* pp;
        ~Freer() { ::LocalFree(pp); }
    } freer{ppArgs};
    for (int i = 1; i < nArgs; ++i) {
        const std::wstring wide(ppArgs[i]);
        ZelToolArg arg;
        arg.bShiftJis = ZelWideToCodePage(wide, 932, arg.strShiftJis);
        // File names go to the ANSI file functions.
        const int n = ::WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
        std::string path(static_cast<std::size_t>(n > 0 ? n : 1), '\0');
        ::WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, path.data(), n, nullptr, nullptr);
        arg.strPath = path.c_str();
        args.push_back(arg);
    }
    return args;
}

}  // namespace

int main()
{
    std::string out, err;
    const int nCode = RunZelera(Arguments(), out, err);
    Emit(STD_OUTPUT_HANDLE, out);
    Emit(STD_ERROR_HANDLE, err);
    return nCode;
}

#else

namespace {

// Shift_JIS text as UTF-8, one character at a time so that a byte that is
// not Shift_JIS shows as '?' and the rest stays readable.
std::string ForTerminal(const std::string& strText)
{
    std::string utf8;
    if (ZelShiftJisToUtf8(strText, utf8))
        return utf8;
    utf8.clear();
    for (std::size_t i = 0; i < strText.size();) {
        const auto c = static_cast<unsigned char>(strText[i]);
        const std::size_t n = ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) && i + 1 < strText.size() ? 2 : 1;
        std::string one;
        utf8 += ZelShiftJisToUtf8(strText.substr(i, n), one) ? one : std::string("?");
        i += n;
    }
    return utf8;
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<ZelToolArg> args;
    for (int i = 1; i < argc; ++i) {
        ZelToolArg arg;
        arg.bShiftJis = ZelUtf8ToShiftJis(argv[i], arg.strShiftJis);
        arg.strPath = argv[i];
        args.push_back(arg);
    }
    std::string out, err;
    const int nCode = RunZelera(args, out, err);
    std::fputs(ForTerminal(out).c_str(), stdout);
    std::fputs(ForTerminal(err).c_str(), stderr);
    return nCode;
}

#endif
