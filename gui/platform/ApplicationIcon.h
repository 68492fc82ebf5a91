#pragma once

#include <QIcon>

namespace vantor {

// The program's icon, holding a drawing for every size the desktop asks for
// (title bar, task bar, launcher), so none is scaled from another.
QIcon applicationIcon();

} // namespace vantor
