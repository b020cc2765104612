// A form described as data: its window and a table of controls bound to the
// form's fields and handlers by member pointers, so the compiler checks every name.
#pragma once
#include "Button.h"
#include "Image.h"
#include "Label.h"
#include <optional>
#include <span>
#include <variant>

namespace ui {

template <class F>
using TFormHandler = void (F::*)(TObject* sender);

template <class F>
struct ControlDescription {
    std::variant<TButton F::*, TLabel F::*, TImage F::*> field;
    TBounds bounds;
    const wchar_t* caption = nullptr;
    std::optional<TFont> font = std::nullopt; // none: the form's font
    int tabOrder = -1;                        // negative: never takes the focus
    TFormHandler<F> onClick = nullptr;
    const wchar_t* picture = nullptr;         // RCDATA resource of a JPEG
};

template <class F>
struct FormDescription {
    const wchar_t* caption;
    int clientWidth;
    int clientHeight;
    TColor color;
    TFont font;
    std::span<const ControlDescription<F>> controls;
};

} // namespace ui
