// Root of everything a handler can be sent.
#pragma once

namespace ui {

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;
};

} // namespace ui
