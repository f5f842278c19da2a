#pragma once

#include <QStringList>

namespace zz::cli {

// Each command gets the arguments after its name and returns the exit status.
int runLang(const QStringList& args);
int runCheck(const QStringList& args);
int runCompose(const QStringList& args);
int runDecode(const QStringList& args);
int runTable(const QStringList& args);
int runDiff(const QStringList& args);
int runRestore(const QStringList& args);

} // namespace zz::cli
