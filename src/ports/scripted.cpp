#include "ports/scripted.h"

namespace kal {

namespace {
using Antworten = std::deque<std::optional<std::string>>;
std::optional<std::string> naechste(Antworten& eigene, Antworten& gemeinsame) {
    Antworten& q = eigene.empty() ? gemeinsame : eigene;
    if (q.empty()) return std::nullopt;  // cancelled
    auto a = std::move(q.front());
    q.pop_front();
    return a;
}
}  // namespace

Answer ScriptedQuestions::askYesNoCancel(const std::string& text, const std::string& caption,
                                         const AnswerTexts& texts) {
    asked.push_back(text);
    captions.push_back(caption);
    yesTexts.push_back(texts.yes);
    if (answers.empty()) return Answer::Cancel;
    Answer a = answers.front();
    answers.pop_front();
    return a;
}

std::optional<std::string> ScriptedFiles::chooseFileToOpen(const std::string& folder,
                                                           const std::string& extension) {
    folders.push_back(folder);
    extensions.push_back(extension);
    names.emplace_back();
    return naechste(openAnswers, answers);
}

std::optional<std::string> ScriptedFiles::chooseFileToSave(const std::string& defaultExtension,
                                                           const std::string& folder,
                                                           const std::string& name) {
    folders.push_back(folder);
    extensions.push_back(defaultExtension);
    names.push_back(name);
    return naechste(saveAnswers, answers);
}

std::optional<std::string> MemorySettings::readValue(const std::string& name) {
    if (!available) return std::nullopt;
    auto it = values.find(name);
    if (it == values.end()) return std::nullopt;
    return it->second;
}

bool MemorySettings::writeValue(const std::string& name, const std::string& value) {
    if (!available || !writable) return false;
    values[name] = value;
    return true;
}

bool RecordingPage::startDocument(const std::string& name) {
    log.push_back("startDocument " + name);
    return true;
}
bool RecordingPage::startPage() {
    log.push_back("startPage");
    ++seite_;
    return true;
}
bool RecordingPage::endPage() {
    log.push_back("endPage");
    return !failEndPage;
}
bool RecordingPage::endDocument() {
    log.push_back("endDocument");
    return !failEndDocument;
}
void RecordingPage::abortDocument() { log.push_back("abortDocument"); }

void RecordingPage::drawText(int x, int y, const std::string& text, const PageFont& font,
                             TextAlign align) {
    log.push_back("text " + std::to_string(x) + " " + std::to_string(y) + " " +
                  (align == TextAlign::Right    ? "R "
                   : align == TextAlign::Center ? "C "
                                                : "L ") +
                  std::to_string(font.weight) + " " + text);
    texte.push_back({seite_, x, y, align, font, text});
}

int RecordingPage::Text::links(const RecordingPage& p) const {
    const int w = p.textWidth(text, font);
    return align == TextAlign::Right ? x - w : align == TextAlign::Center ? x - w / 2 : x;
}

void RecordingPage::drawLine(int x1, int y1, int x2, int y2, int penWidth) {
    log.push_back("line " + std::to_string(x1) + " " + std::to_string(y1) + " " +
                  std::to_string(x2) + " " + std::to_string(y2) + " " + std::to_string(penWidth));
}

void RecordingPage::drawRect(int left, int top, int right, int bottom, int penWidth) {
    log.push_back("rect " + std::to_string(left) + " " + std::to_string(top) + " " +
                  std::to_string(right) + " " + std::to_string(bottom) + " " +
                  std::to_string(penWidth));
}

bool RecordingPage::drawPicture(int left, int top, int right, int bottom, const std::string& path) {
    log.push_back("picture " + std::to_string(left) + " " + std::to_string(top) + " " +
                  std::to_string(right) + " " + std::to_string(bottom) + " " + path);
    return true;
}

int RecordingPage::textWidth(const std::string& text, const PageFont& font) const {
    int zeichen = 0;
    for (unsigned char c : text) zeichen += (c & 0xC0) != 0x80;  // UTF-8 code points
    return zeichen * font.height / 2;
}

Druckausgang ScriptedPrinter::drucken(Druckziel ziel, const std::string& titel,
                                      const Zeichnung& zeichnen) {
    if (cancel) return {};
    if (geraet) {
        auftraege.push_back({ziel, titel, {}});
        return geraet(titel, zeichnen);
    }
    RecordingPage page;
    const bool ok = zeichnen(page);
    auftraege.push_back({ziel, titel, std::move(page.log)});
    Druckausgang a;
    a.status = ok ? Druckausgang::Status::Gedruckt : Druckausgang::Status::Fehlgeschlagen;
    return a;
}

int ScriptedDialogs::runDialog(DialogModel& dialog) {
    run.push_back(dialog.dialogName());
    auto it = scripts.find(dialog.dialogName());
    if (it == scripts.end() || it->second.empty()) {
        dialog.close(2);
        return 2;
    }
    Script s = std::move(it->second.front());
    it->second.pop_front();
    int r = s(dialog);
    if (!dialog.closed()) dialog.close(r);
    return r;
}

}  // namespace kal
