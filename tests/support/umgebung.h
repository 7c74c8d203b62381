// An application after start-up on its own application directory, with
// scripted ports in place of the platform.
#pragma once

#include <string>
#include <vector>

#include "app/app.h"
#include "app/dialogsettings.h"
#include "ports/scripted.h"
#include "verzeichnis.h"

namespace kaltest {

struct Start {
    Vorlage vorlage = Vorlage::Ausgeliefert;
    std::string sprache = "English";  // the stored display name
    bool werksmodus = false;
};

struct Umgebung {
    AppDir dir;
    kal::ScriptedPorts p;
    kal::CBerechnungApp app;

    explicit Umgebung(const Start& s = {}) : dir(s.vorlage), app(p.ports(), s.werksmodus) {
        p.settings.values["language"] = s.sprache;
        app.erzeugeObjekte(dir.dir());
        app.spracheFestlegen();
    }

    // Answers the next language question with `name`.
    void spracheWaehlen(const std::string& name) {
        p.dialogs.scripts["DialogSettings"].push_back([name](kal::DialogModel& m) {
            auto& d = dynamic_cast<kal::DialogSettings&>(m);
            d.form().select(kal::sprache::Sprache, d.form().findExact(kal::sprache::Sprache, name));
            d.ok();
            return 1;
        });
    }

    std::vector<std::string> meldungsKeys() const {
        std::vector<std::string> k;
        for (const kal::Message& m : p.messages.shown) k.push_back(m.key);
        return k;
    }
};

}  // namespace kaltest
