#include "DialogTemplate.h"

namespace {

constexpr uint32_t kSetFont = 0x40;  // DS_SETFONT

class Cursor {
public:
    Cursor(const void* data, size_t size)
        : at_(static_cast<const uint8_t*>(data)), begin_(at_), end_(at_ + size) {}

    bool ok() const { return ok_; }

    uint32_t Take(int bytes) {
        if (end_ - at_ < bytes) {
            ok_ = false;
            at_ = end_;
            return 0;
        }
        uint32_t value = 0;
        for (int i = 0; i < bytes; ++i) {
            value |= uint32_t{at_[i]} << (8 * i);
        }
        at_ += bytes;
        return value;
    }
    int Short() { return static_cast<int16_t>(Take(2)); }

    std::string Text() {
        std::string text;
        while (ok_) {
            const uint32_t c = Take(2);
            if (c == 0) {
                break;
            }
            text.push_back(static_cast<char>(c));
        }
        return text;
    }

    TemplateName Name() {
        TemplateName name;
        if (Peek() == 0xFFFF) {
            Take(2);
            name.ordinal = static_cast<int>(Take(2));
        } else {
            name.text = Text();
        }
        return name;
    }

    void Skip(size_t bytes) {
        if (bytes > static_cast<size_t>(end_ - at_)) {
            ok_ = false;
            at_ = end_;
        } else {
            at_ += bytes;
        }
    }
    void AlignToDoubleWord() { Skip((4 - (at_ - begin_) % 4) % 4); }

private:
    uint32_t Peek() const { return end_ - at_ < 2 ? 0 : at_[0] | at_[1] << 8; }

    const uint8_t* at_;
    const uint8_t* begin_;
    const uint8_t* end_;
    bool ok_ = true;
};

}  // namespace

bool ReadDialogTemplate(const void* data, size_t size, DialogTemplate& out) {
    Cursor in(data, size);
    if (in.Take(2) != 1 || in.Take(2) != 0xFFFF) {
        return false;
    }
    in.Take(4);  // help id
    out.exStyle = in.Take(4);
    out.style = in.Take(4);
    const int count = static_cast<int>(in.Take(2));
    out.x = in.Short(), out.y = in.Short(), out.cx = in.Short(), out.cy = in.Short();
    in.Name();  // menu
    in.Name();  // window class
    out.title = in.Text();
    if (out.style & kSetFont) {
        out.pointSize = static_cast<int>(in.Take(2));
        in.Take(2);  // weight
        in.Take(2);  // italic, character set
        out.typeface = in.Text();
    }
    for (int i = 0; i < count && in.ok(); ++i) {
        in.AlignToDoubleWord();
        TemplateControl control;
        in.Take(4);  // help id
        control.exStyle = in.Take(4);
        control.style = in.Take(4);
        control.x = in.Short(), control.y = in.Short();
        control.cx = in.Short(), control.cy = in.Short();
        control.id = static_cast<int32_t>(in.Take(4));
        control.windowClass = in.Name();
        control.text = in.Name();
        in.Skip(in.Take(2));  // creation data
        out.controls.push_back(control);
    }
    return in.ok();
}
