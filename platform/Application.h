// The application object: start-up, the forms it owns, the message loop, the title and icon.
#pragma once
#include "Form.h"
#include <memory>
#include <string>
#include <vector>

namespace ui {

class TApplication {
public:
    TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;
    ~TApplication();

    // COM (for picture decoding) and the common controls.
    void Initialize();

    // True: the main form carries the taskbar button and owns every later form.
    bool MainFormOnTaskBar = false;

    // Creates a hidden form of class T from T::Description and stores it in `form`.
    // The first form created becomes the main form.
    template <class T>
    void CreateForm(T*& form);

    // Shows the main form as the process was asked to start, then dispatches
    // messages until the main form is closed; the forms are destroyed on the way out.
    void Run();

    const std::wstring& Title() const { return title_; }
    TForm* MainForm() const { return mainForm_; }
    HICON Icon(WPARAM size) const { return size == ICON_SMALL ? smallIcon_ : bigIcon_; }
    int ExitCode() const { return exitCode_; }

    // The window a message box should be owned by: the active form, or the main form.
    HWND ActiveFormHandle() const;

private:
    void Adopt(std::unique_ptr<TForm> form);
    // A start-up step failed: reported, and Run will not start the loop.
    void Fail(const std::exception& e);
    HWND OwnerForNewForm() const;
    bool IsForm(HWND hwnd) const;
    bool IsDialogNavigation(MSG& msg) const;
    void DestroyForms();
    HICON LoadIconSized(int cx, int cy, IconHandle& owned) const;

    std::wstring title_;
    IconHandle ownedBigIcon_, ownedSmallIcon_;
    HICON bigIcon_ = nullptr, smallIcon_ = nullptr;
    std::vector<std::unique_ptr<TForm>> forms_;
    TForm* mainForm_ = nullptr;
    bool comInitialized_ = false;
    bool failed_ = false;
    int exitCode_ = 0;
};

extern TApplication Application;

template <class T>
void TApplication::CreateForm(T*& form)
{
    if (failed_) return;
    try {
        auto created = std::make_unique<T>();
        created->CreateFromDescription(*created, T::Description, OwnerForNewForm());
        form = created.get();
        Adopt(std::move(created));
    } catch (const std::exception& e) {
        Fail(e);
    }
}

} // namespace ui
