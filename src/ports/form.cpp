#include "ports/form.h"

#include <cctype>

namespace kal {

std::string aufLaengeGekuerzt(std::string text, int maxLength) {
    if (maxLength <= 0 || text.size() <= static_cast<size_t>(maxLength)) return text;
    size_t n = static_cast<size_t>(maxLength);
    while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
    text.resize(n);
    return text;
}

std::string einzeilig(const std::string& text) {
    std::string aus;
    aus.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\0') continue;
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            aus += ' ';
            continue;
        }
        aus += c;
    }
    return aus;
}

std::string eingabeText(const std::string& text, int maxLength) {
    return aufLaengeGekuerzt(einzeilig(text), maxLength);
}

namespace {
const ControlState kEmpty{};

bool startsWithNoCase(const std::string& text, const std::string& prefix) {
    if (prefix.size() > text.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) !=
            std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    }
    return true;
}
}  // namespace

ControlState& Form::control(int id) { return controls_[id]; }

const ControlState* Form::find(int id) const {
    auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : &it->second;
}

std::string Form::text(int id) const {
    const ControlState* c = find(id);
    return c ? c->text : std::string();
}

void Form::setText(int id, const std::string& text) {
    control(id).text = text;
    changed(id);
}

int Form::selection(int id) const {
    const ControlState* c = find(id);
    return c ? c->selection : -1;
}

void Form::select(int id, int position) {
    ControlState& c = control(id);
    c.selection = (position >= 0 && position < static_cast<int>(c.items.size())) ? position : -1;
    changed(id);
}

int Form::selectedValue(int id, int fallback) const {
    const ControlState* c = find(id);
    if (!c || c->selection < 0 || c->selection >= static_cast<int>(c->items.size()))
        return fallback;
    return c->items[static_cast<size_t>(c->selection)].value;
}

std::string Form::selectedText(int id) const {
    const ControlState* c = find(id);
    if (!c || c->selection < 0 || c->selection >= static_cast<int>(c->items.size())) return {};
    return c->items[static_cast<size_t>(c->selection)].text;
}

int Form::itemCount(int id) const {
    const ControlState* c = find(id);
    return c ? static_cast<int>(c->items.size()) : 0;
}

void Form::clearItems(int id) {
    ControlState& c = control(id);
    c.items.clear();
    c.selection = -1;
    changed(id);
}

void Form::addItem(int id, const std::string& text, int value) {
    control(id).items.push_back({text, value});
    changed(id);
}

int Form::findPrefix(int id, const std::string& prefix) const {
    const ControlState* c = find(id);
    if (!c) return -1;
    for (size_t i = 0; i < c->items.size(); ++i)
        if (startsWithNoCase(c->items[i].text, prefix)) return static_cast<int>(i);
    return -1;
}

int Form::findExact(int id, const std::string& text) const {
    const ControlState* c = find(id);
    if (!c) return -1;
    for (size_t i = 0; i < c->items.size(); ++i)
        if (c->items[i].text == text) return static_cast<int>(i);
    return -1;
}

int Form::findValue(int id, int value) const {
    const ControlState* c = find(id);
    if (!c) return -1;
    for (size_t i = 0; i < c->items.size(); ++i)
        if (c->items[i].value == value) return static_cast<int>(i);
    return -1;
}

bool Form::checked(int id) const {
    const ControlState* c = find(id);
    return c && c->checked;
}

void Form::setChecked(int id, bool on) {
    control(id).checked = on;
    changed(id);
}

bool Form::enabled(int id) const {
    const ControlState* c = find(id);
    return c ? c->enabled : kEmpty.enabled;
}

void Form::setEnabled(int id, bool on) {
    control(id).enabled = on;
    changed(id);
}

bool Form::visible(int id) const {
    const ControlState* c = find(id);
    return c ? c->visible : kEmpty.visible;
}

void Form::setVisible(int id, bool on) {
    control(id).visible = on;
    changed(id);
}

void Form::setToolTip(int id, const std::string& text) {
    control(id).toolTip = text;
    changed(id);
}

Emphasis Form::emphasis(int id) const {
    const ControlState* c = find(id);
    return c ? c->emphasis : kEmpty.emphasis;
}

void Form::setEmphasis(int id, Emphasis e) {
    control(id).emphasis = e;
    changed(id);
}

ControlKind Form::kind(int id) const {
    const ControlState* c = find(id);
    return c ? c->kind : kEmpty.kind;
}

void Form::setKind(ControlKind kind, std::initializer_list<int> ids) {
    for (int id : ids) control(id).kind = kind;
}

void Form::setFocus(int id) {
    focus_ = id;
    changed(id);
}

void Form::changed(int id) {
    if (listener_) listener_(id);
}

void HandlerDialogModel::ereignis(int id, BindEvent e) {
    switch (e) {
        case BindEvent::Command:
            befehl(id);
            break;
        case BindEvent::Clicked:
            geklickt(id);
            break;
        case BindEvent::FocusLost:
            fokusVerloren(id);
            break;
        case BindEvent::Changed: {
            const ControlState* c = form().find(id);
            if (c && !c->items.empty())
                auswahlGeaendert(id);
            else
                textGeaendert(id);
            break;
        }
    }
}

}  // namespace kal
