#pragma once

#include <QStringList>

namespace app {
class FrmMain;
}

namespace tools {

// The dump: "NAME<TAB>ENABLED<TAB>VALUE" lines, sorted by name in byte order,
// between "dump" and "end". Given names, only their lines, in the same order; a
// name the dump does not hold is a ReplayError.
QStringList DumpLines(const app::FrmMain& window, const QStringList& names = {});

// One "NAME<TAB>x,y,width,height" line per control, in logical pixels relative to
// its container.
QStringList LayoutLines(const app::FrmMain& window);

}  // namespace tools
