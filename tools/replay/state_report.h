#pragma once

#include <QStringList>

namespace app {
class FrmMain;
}

namespace tools {

// The dump: "NAME<TAB>ENABLED<TAB>VALUE" lines, sorted by name in byte order,
// between "dump" and "end".
QStringList DumpLines(const app::FrmMain& window);

// One "NAME<TAB>x,y,width,height" line per control, in logical pixels relative to
// its container.
QStringList LayoutLines(const app::FrmMain& window);

}  // namespace tools
