// Scripted implementations of the ports for tests and the CLI: they record
// what was shown and answer from queues set up beforehand.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ports/form.h"
#include "ports/ports.h"

namespace kal {

class RecordingMessages : public MessagePort {
public:
    void showMessage(const Message& message) override { shown.push_back(message); }
    std::vector<Message> shown;
};

class ScriptedQuestions : public QuestionPort {
public:
    Answer askYesNoCancel(const std::string& text, const std::string& caption,
                          const AnswerTexts& texts) override;
    std::deque<Answer> answers;  // empty queue answers Cancel
    std::vector<std::string> asked;
    std::vector<std::string> captions;
    std::vector<std::string> yesTexts;
};

class ScriptedFiles : public FileDialogPort {
public:
    std::optional<std::string> chooseFileToOpen(const std::string& folder,
                                                const std::string& extension) override;
    std::optional<std::string> chooseFileToSave(const std::string& defaultExtension,
                                                const std::string& folder,
                                                const std::string& name) override;
    std::deque<std::optional<std::string>> openAnswers;  // empty queue = cancel
    std::deque<std::optional<std::string>> saveAnswers;
    // Taken by either dialog, in order, once its own queue is empty (the
    // command line's answers, given before it is known which dialog asks).
    std::deque<std::optional<std::string>> answers;
    std::vector<std::string> folders;            // the start folder of every dialog shown
    std::vector<std::string> extensions, names;  // and its extension and suggested name
};

class CountingWaitCursor : public WaitCursorPort {
public:
    void beginWait() override {
        ++depth;
        ++begun;
    }
    void endWait() override { --depth; }
    int depth = 0;
    int begun = 0;
};

// In-memory settings store; `available = false` behaves like a registry key
// that can be neither opened nor created.
class MemorySettings : public SettingsPort {
public:
    bool openKey() override { return available; }
    std::optional<std::string> readValue(const std::string& name) override;
    bool writeValue(const std::string& name, const std::string& value) override;
    bool available = true;
    bool writable = true;
    std::map<std::string, std::string> values;
};

class RecordingClipboard : public ClipboardPort {
public:
    bool setText(const std::string& t) override {
        if (!canSet) return false;
        text = t;
        return true;
    }
    bool canSet = true;  // false: the clipboard refuses the text
    std::string text;
};

class RecordingDocuments : public DocumentPort {
public:
    bool openDocument(const std::string& path) override {
        opened.push_back(path);
        return canOpen;
    }
    void showHelpWindow(const std::string& path) override { helpWindows.push_back(path); }
    bool canOpen = true;  // false: no browser can be started
    std::vector<std::string> opened;
    std::vector<std::string> helpWindows;
};

// Records every drawing call as one text line, for exact comparisons, and
// every text with its font, for checks of where texts lie.
class RecordingPage : public PageDevice {
public:
    RecordingPage(int width = 4960, int height = 7016, int lineHeightPerPoint = 25)
        : width_(width), height_(height), perPoint_(lineHeightPerPoint) {}
    int pageWidth() const override { return width_; }
    int pageHeight() const override { return height_; }
    int lineHeight(int points) const override { return points * perPoint_; }
    bool startDocument(const std::string& name) override;
    bool startPage() override;
    bool endPage() override;
    bool endDocument() override;
    void abortDocument() override;
    void drawText(int x, int y, const std::string& text, const PageFont& font,
                  TextAlign align) override;
    void drawLine(int x1, int y1, int x2, int y2, int penWidth) override;
    void drawRect(int left, int top, int right, int bottom, int penWidth) override;
    bool drawPicture(int left, int top, int right, int bottom, const std::string& path) override;
    // Half the font height per character: a stable stand-in for metrics.
    int textWidth(const std::string& text, const PageFont& font) const override;
    struct Text {
        int seite = 0;  // 1-based
        int x = 0, y = 0;
        TextAlign align = TextAlign::Left;
        PageFont font;
        std::string text;
        // The box the text takes: from its left edge (after the alignment)
        // over its width, from its top over the font's height.
        int links(const RecordingPage& p) const;
        int rechts(const RecordingPage& p) const { return links(p) + p.textWidth(text, font); }
    };
    std::vector<std::string> log;
    std::vector<Text> texte;
    bool failEndPage = false;
    bool failEndDocument = false;

private:
    int width_, height_, perPoint_;
    int seite_ = 0;
};

// Draws every printout on a fresh recording page; `cancel` answers like a
// cancelled printer dialog.
class ScriptedPrinter : public PrintPort {
public:
    Druckausgang drucken(Druckziel ziel, const std::string& titel,
                         const Zeichnung& zeichnen) override;
    bool cancel = false;
    // When set, draws on this device instead (the command line's PDF files);
    // the job is still recorded, without a log.
    std::function<Druckausgang(const std::string& titel, const Zeichnung&)> geraet;
    struct Auftrag {
        Druckziel ziel;
        std::string titel;
        std::vector<std::string> log;
    };
    std::vector<Auftrag> auftraege;
};

// Runs sub-dialogs by handing them to a script; without a script the dialog
// is cancelled (result 2).
class ScriptedDialogs : public SubDialogPort {
public:
    using Script = std::function<int(DialogModel&)>;
    int runDialog(DialogModel& dialog) override;
    std::map<std::string, std::deque<Script>> scripts;  // by dialogName()
    std::vector<std::string> run;
};

// All scripted ports in one place.
struct ScriptedPorts {
    RecordingMessages messages;
    ScriptedQuestions questions;
    ScriptedFiles files;
    CountingWaitCursor waitCursor;
    MemorySettings settings;
    RecordingClipboard clipboard;
    RecordingDocuments documents;
    ScriptedPrinter printer;
    ScriptedDialogs dialogs;
    Ports ports() {
        return Ports{&messages,  &questions, &files,   &waitCursor, &settings,
                     &clipboard, &documents, &printer, &dialogs};
    }
};

}  // namespace kal
