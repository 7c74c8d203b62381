// Screenshot mode for documentation and smoke runs:
//   KALVORIA_SCREENSHOT=/dir/shot.png  each top-level dialog saves a grab of
//                                      itself as /dir/shot-<name>.png shortly
//                                      after it is shown, and its window
//                                      title as /dir/shot-<name>.png.title
//   KALVORIA_AUTOCLOSE=1               then closes it with `schliessen`
#pragma once

#include <QString>
#include <functional>
#include <string>

class QWidget;

namespace kal {

QString screenshotPfad(const QString& basis, const std::string& name);
// Arms the mode for `w` when the environment asks for it; no-op otherwise.
void screenshotModus(QWidget* w, const std::string& name, std::function<void()> schliessen);

}  // namespace kal
