// Interfaces through which engine and dialog models reach the platform.
// No Qt here: the Qt application implements them with real dialogs,
// tests and the CLI with the scripted doubles of scripted.h.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kal {

enum class MessageIcon { None, Information, Warning, Error, Question };

// One message box. `section`/`key` name the language entry the text came
// from (empty for fixed texts); the CLI reports them.
struct Message {
    std::string text;
    std::string caption;  // empty: the platform's default caption
    std::string section;
    std::string key;
    MessageIcon icon = MessageIcon::None;
};

class MessagePort {
public:
    virtual ~MessagePort() = default;
    virtual void showMessage(const Message& message) = 0;
};

enum class Answer { Yes, No, Cancel };

// The buttons' texts in the program's language; an empty one keeps the
// toolkit's own, which may be in another language.
struct AnswerTexts {
    std::string yes, no, cancel;
};

class QuestionPort {
public:
    virtual ~QuestionPort() = default;
    // Yes/No/Cancel question with the question icon.
    virtual Answer askYesNoCancel(const std::string& text, const std::string& caption,
                                  const AnswerTexts& answers) = 0;
    // A choice of two (Yes or No); a platform without its own box asks the
    // three-way question and takes Cancel for No.
    virtual Answer askYesNo(const std::string& text, const std::string& caption,
                            const AnswerTexts& answers) {
        return askYesNoCancel(text, caption, answers) == Answer::Yes ? Answer::Yes : Answer::No;
    }
};

class FileDialogPort {
public:
    virtual ~FileDialogPort() = default;
    // nullopt when the user cancels. The dialogs start in `folder`; when it
    // is empty or gone, in the user's documents folder. With an `extension`
    // ("kal") they list such files first; saving adds it to a name without
    // one and suggests `name`.
    virtual std::optional<std::string> chooseFileToOpen(const std::string& folder,
                                                        const std::string& extension = {}) = 0;
    virtual std::optional<std::string> chooseFileToSave(const std::string& defaultExtension,
                                                        const std::string& folder,
                                                        const std::string& name = {}) = 0;
};

class WaitCursorPort {
public:
    virtual ~WaitCursorPort() = default;
    virtual void beginWait() = 0;
    virtual void endWait() = 0;
};

// RAII: the wait cursor is restored on every exit path.
class WaitCursorGuard {
public:
    explicit WaitCursorGuard(WaitCursorPort& port) : port_(port) { port_.beginWait(); }
    ~WaitCursorGuard() { port_.endWait(); }
    WaitCursorGuard(const WaitCursorGuard&) = delete;
    WaitCursorGuard& operator=(const WaitCursorGuard&) = delete;

private:
    WaitCursorPort& port_;
};

// Per-user settings under "Software\kalvoria" (registry on Windows, the
// per-user configuration file elsewhere). String values only.
class SettingsPort {
public:
    virtual ~SettingsPort() = default;
    // Open the key, creating it when missing; false when neither works.
    virtual bool openKey() = 0;
    // nullopt when the value is missing.
    virtual std::optional<std::string> readValue(const std::string& name) = 0;
    // false when the value could not be stored.
    virtual bool writeValue(const std::string& name, const std::string& value) = 0;
};

class ClipboardPort {
public:
    virtual ~ClipboardPort() = default;
    virtual bool setText(const std::string& text) = 0;
};

class DocumentPort {
public:
    virtual ~DocumentPort() = default;
    // Shell "open" of a document with its associated program.
    virtual bool openDocument(const std::string& path) = 0;
    // An HTML page in a help window of the program itself (when no browser
    // can be started).
    virtual void showHelpWindow(const std::string& path) = 0;
};

// Printing: every printout draws through this page interface so tests can
// record exactly what is drawn. Coordinates and font heights are device units.
struct PageFont {
    std::string face = "Times New Roman";
    int height = 0;    // character height in device units
    int weight = 500;  // 500 normal, 700 bold
};

enum class TextAlign { Left, Right, Center };

struct PagePoint {
    int x = 0, y = 0;
};

// A pen for curves: its colour matters on screen and colour printers, its
// pattern keeps the curves apart on a black-and-white page.
enum class PenStyle { Solid, Dash, Dot, DashDot };
struct PagePen {
    int width = 1;
    unsigned rgb = 0x000000;
    PenStyle style = PenStyle::Solid;
};

class PageDevice {
public:
    virtual ~PageDevice() = default;
    virtual int pageWidth() const = 0;
    virtual int pageHeight() const = 0;
    // Line height of a font of `points` on this device.
    virtual int lineHeight(int points) const = 0;
    // Advance width of `text` in `font`, for fitting and wrapping.
    virtual int textWidth(const std::string& text, const PageFont& font) const = 0;
    virtual bool startDocument(const std::string& name) = 0;
    virtual bool startPage() = 0;
    virtual bool endPage() = 0;
    // false when the document could not be completed (the job or file is
    // then unusable).
    virtual bool endDocument() = 0;
    virtual void abortDocument() = 0;
    // `y` is the top of the text line.
    virtual void drawText(int x, int y, const std::string& text, const PageFont& font,
                          TextAlign align = TextAlign::Left) = 0;
    virtual void drawLine(int x1, int y1, int x2, int y2, int penWidth) = 0;
    virtual void drawRect(int left, int top, int right, int bottom, int penWidth) = 0;
    // A picture file scaled into the rectangle, keeping its aspect ratio;
    // false when it cannot be loaded.
    virtual bool drawPicture(int left, int top, int right, int bottom, const std::string& path) = 0;
    // A line through `points`; a device that knows no colours or patterns
    // draws its segments plain.
    virtual void drawPolyline(const std::vector<PagePoint>& points, const PagePen& pen) {
        for (size_t i = 1; i < points.size(); ++i)
            drawLine(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y, pen.width);
    }
};

// Where a printout goes.
enum class Druckziel { Drucker, Vorschau, Pdf };

// What became of a printout. A file that could not be written names itself
// and the reason; a failure without a file is the drawing's or the printer's.
struct Druckausgang {
    enum class Status { Gedruckt, Abgebrochen, Fehlgeschlagen };
    Status status = Status::Abgebrochen;
    std::string datei;
    std::string grund;
    bool gedruckt() const { return status == Status::Gedruckt; }
    bool fehlgeschlagen() const { return status == Status::Fehlgeschlagen; }
};

class PrintPort {
public:
    virtual ~PrintPort() = default;
    using Zeichnung = std::function<bool(PageDevice&)>;
    // Runs `zeichnen` (the whole document, start to end) on the target: the
    // printer chosen in the printer dialog, the print preview (which may
    // draw more than once) or a PDF file the user names.
    virtual Druckausgang drucken(Druckziel ziel, const std::string& titel,
                                 const Zeichnung& zeichnen) = 0;
};

class DialogModel;

class SubDialogPort {
public:
    virtual ~SubDialogPort() = default;
    // Runs a sub-dialog modally; returns the dialog's result code
    // (1 = OK/confirmed, 2 = cancelled, others as the dialog defines).
    virtual int runDialog(DialogModel& dialog) = 0;
};

// All ports a dialog model may need, handed around as one bundle.
struct Ports {
    MessagePort* messages = nullptr;
    QuestionPort* questions = nullptr;
    FileDialogPort* files = nullptr;
    WaitCursorPort* waitCursor = nullptr;
    SettingsPort* settings = nullptr;
    ClipboardPort* clipboard = nullptr;
    DocumentPort* documents = nullptr;
    PrintPort* printer = nullptr;
    SubDialogPort* dialogs = nullptr;
};

}  // namespace kal
