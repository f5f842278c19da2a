#pragma once

#include <QString>
#include <QStringList>

namespace zz::shots {

// The configuration the pictures show.
inline const QString kDemoConfiguration = QStringLiteral("Plant");

// Fills the PROJECTS folder of `workspace` before the main window's start-up: "Plant" in NAT
// mode with a few translate-table rows. Returns what is wrong with the demo data itself (a row
// its own checks refuse); throws FileError when a file cannot be written.
QStringList writeDemoConfigurations(const QString& workspace);

} // namespace zz::shots
