#include "Clipboard.h"
#include "Error.h"
#include <cstring>

namespace ui {

namespace {

constexpr wchar_t kFailure[] = L"Impossible de copier le texte dans le presse-papiers";

class OpenedClipboard {
public:
    explicit OpenedClipboard(HWND owner) { CheckWin32(OpenClipboard(owner), kFailure); }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    ~OpenedClipboard() { CloseClipboard(); }
};

// Global memory for the clipboard: freed here unless the clipboard took it.
class ClipboardMemory {
public:
    explicit ClipboardMemory(std::wstring_view text)
        : memory_(CheckWin32(GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t)), kFailure))
    {
        auto* target = static_cast<wchar_t*>(GlobalLock(memory_));
        if (!target) {
            GlobalFree(memory_);
            ThrowLastError(kFailure);
        }
        std::memcpy(target, text.data(), text.size() * sizeof(wchar_t));
        target[text.size()] = L'\0';
        GlobalUnlock(memory_);
    }
    ClipboardMemory(const ClipboardMemory&) = delete;
    ClipboardMemory& operator=(const ClipboardMemory&) = delete;
    ~ClipboardMemory() { if (memory_) GlobalFree(memory_); }

    void HandTo(UINT format)
    {
        CheckWin32(SetClipboardData(format, memory_), kFailure);
        memory_ = nullptr; // the clipboard owns it now
    }

private:
    HGLOBAL memory_;
};

} // namespace

void CopyTextToClipboard(HWND owner, std::wstring_view text)
{
    ClipboardMemory memory(text);
    OpenedClipboard clipboard(owner);
    CheckWin32(EmptyClipboard(), kFailure);
    memory.HandTo(CF_UNICODETEXT);
}

} // namespace ui
