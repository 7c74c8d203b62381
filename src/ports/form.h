// The shared form type of the dialog models: the state of every control,
// kept by control id, without any toolkit.
#pragma once

#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

namespace kal {

struct ListEntry {
    std::string text;
    int value = 0;  // item value (object id, list index, ...)
};

// What a user does to a control, as views and scripted front ends report it
// to a dialog model.
enum class BindEvent {
    Changed,    // edit text edited, list selection or check state changed by the user
    Clicked,    // push button, check box or radio button clicked
    FocusLost,  // edit field left
    Command,    // menu action chosen
};

// What kind of control an id is, so that scripts do to it only what a user
// can. Unknown: a dialog that does not name its controls' kinds.
enum class ControlKind { Unknown, Edit, Label, CheckBox, Radio, Button, List, MenuItem };

// How a control is set apart from its neighbours: a value the program
// filled in itself, or one beyond a limit.
enum class Emphasis { None, Computed, Warning };

struct ControlState {
    std::string text;              // edit text, caption or label text
    std::vector<ListEntry> items;  // list entries
    int selection = -1;            // selected list position, -1 none
    bool checked = false;          // check box / radio button
    bool enabled = true;
    bool visible = true;
    bool readOnly = false;
    int maxLength = 0;        // edit: most bytes a user may type, 0 unlimited
    std::string placeholder;  // edit: grey hint while it is empty
    std::string toolTip;
    Emphasis emphasis = Emphasis::None;
    ControlKind kind = ControlKind::Unknown;
};

// `text` cut to at most `maxLength` bytes at a character boundary (UTF-8);
// unchanged when it fits or the limit is 0.
std::string aufLaengeGekuerzt(std::string text, int maxLength);

// `text` on one line: a line break (CR LF, LF or CR) becomes a blank, a NUL
// is dropped. Every edit field is single-line: the tender text and the
// hand-over take each field as one line.
std::string einzeilig(const std::string& text);

// What an edit field takes of a text typed, pasted or from an action file:
// single-line, then cut to `maxLength`.
std::string eingabeText(const std::string& text, int maxLength);

// A menu popup of a dialog and its commands, in order (0: a separator).
struct MenuPopup {
    int id = 0;
    std::vector<int> befehle;
};

// Read access for the engine's input acquisition: the narrow view of a
// dialog's entries by control id.
class EntrySource {
public:
    virtual ~EntrySource() = default;
    virtual std::string text(int id) const = 0;
    virtual int selection(int id) const = 0;
    // Item value of the selected entry; `fallback` when nothing is selected.
    virtual int selectedValue(int id, int fallback = -1) const = 0;
    virtual int itemCount(int id) const = 0;
    // Write-back of computed values and the focus of the first bad field.
    virtual void setText(int id, const std::string& text) = 0;
    virtual void setFocus(int id) = 0;
};

class Form : public EntrySource {
public:
    // Called after every change of a control made through this form, so a
    // view can refresh the widget.
    using ChangeListener = std::function<void(int id)>;

    ControlState& control(int id);
    const ControlState* find(int id) const;
    bool has(int id) const { return find(id) != nullptr; }
    const std::map<int, ControlState>& controls() const { return controls_; }

    std::string text(int id) const override;
    void setText(int id, const std::string& text) override;
    int selection(int id) const override;
    void select(int id, int position);  // out-of-range -> no selection
    int selectedValue(int id, int fallback = -1) const override;
    std::string selectedText(int id) const;
    int itemCount(int id) const override;
    void clearItems(int id);
    void addItem(int id, const std::string& text, int value = 0);
    // First entry whose text begins with `prefix`, letter case ignored; -1 none.
    int findPrefix(int id, const std::string& prefix) const;
    // First entry whose text equals `text` exactly; -1 none.
    int findExact(int id, const std::string& text) const;
    // First entry whose item value equals `value`; -1 none.
    int findValue(int id, int value) const;

    bool checked(int id) const;
    void setChecked(int id, bool on);
    bool enabled(int id) const;
    void setEnabled(int id, bool on);
    bool visible(int id) const;
    void setVisible(int id, bool on);
    void setToolTip(int id, const std::string& text);
    Emphasis emphasis(int id) const;
    void setEmphasis(int id, Emphasis e);
    ControlKind kind(int id) const;
    // Names the kind of every control in `ids`.
    void setKind(ControlKind kind, std::initializer_list<int> ids);

    int focus() const { return focus_; }
    void setFocus(int id) override;

    void setChangeListener(ChangeListener listener) { listener_ = std::move(listener); }

private:
    void changed(int id);

    std::map<int, ControlState> controls_;
    int focus_ = 0;
    ChangeListener listener_;
};

// Base of every dialog model: a form plus the dialog's caption and result.
class DialogModel {
public:
    virtual ~DialogModel() = default;
    Form& form() { return form_; }
    const Form& form() const { return form_; }
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& c) { caption_ = c; }
    // Result code once the dialog was closed (1 OK, 2 cancel); 0 while open.
    int result() const { return result_; }
    bool closed() const { return result_ != 0; }
    void close(int result) { result_ = result; }
    void reopen() { result_ = 0; }
    // Name that views and scripted ports use to recognise the dialog.
    virtual std::string dialogName() const = 0;
    // A user's action on control `id`, after the form holds its new state;
    // views and scripts report every action here.
    virtual void ereignis(int /*id*/, BindEvent /*event*/) {}

private:
    Form form_;
    std::string caption_;
    int result_ = 0;
};

// A dialog model with one handler per kind of user action: a change of a
// list (a control holding entries) goes to auswahlGeaendert, of an edit to
// textGeaendert.
class HandlerDialogModel : public DialogModel {
public:
    void ereignis(int id, BindEvent e) override;
    virtual void befehl(int /*commandId*/) {}     // menu commands
    virtual void geklickt(int /*id*/) {}          // buttons, check boxes, radio buttons
    virtual void auswahlGeaendert(int /*id*/) {}  // list selection
    virtual void textGeaendert(int /*id*/) {}     // edit text typed
    virtual void fokusVerloren(int /*id*/) {}     // edit left
};

}  // namespace kal
